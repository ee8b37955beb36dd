#include "shell/HelpAbout.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>

namespace lrw {
namespace {

const char* const kProduct = "Lanternreelworks!";

const char* const kCommentsText = QT_TRANSLATE_NOOP(
    "lrw::TAboutForm",
    "Lanternreelworks! turns your pictures into a slide show.\n\n"
    "Add pictures to the strip, give every slide one of 42 transition effects, "
    "a background colour, a caption and a sound, and decide how long it stays: "
    "until Enter is pressed, until its sound has ended, or for a number of seconds.\n\n"
    "Arrange the picture and the caption on the full-screen stage, then run the "
    "show once or in a loop.\n\n"
    "Build a portable show to carry a show and all its pictures and sounds to "
    "another computer in one folder.");

const char* const kCopyrightText =
    "Copyright \u00A9 2026 the Lanternreelworks team.\n"
    "All rights reserved.\n"
    // The notice the GNU GPL asks an interactive program to show, short enough to fit.
    "GPL 3+, ABSOLUTELY NO WARRANTY.\n"
    "Pictures: GraphicsMagick, FFmpeg.\n"
    "Sound: libsndfile, SDL. Windows: Qt.";

QPlainTextEdit* MakeTextArea(QWidget* parent, const QRect& r, const QString& text, bool scroll) {
  auto* area = new QPlainTextEdit(parent);
  area->setGeometry(r);
  area->setReadOnly(true);
  area->setFrameShape(QFrame::NoFrame);
  area->setPlainText(text);
  QFont small = area->font();
  small.setPointSize(8);
  area->setFont(small);
  area->document()->setDocumentMargin(2);
  area->setVerticalScrollBarPolicy(scroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  area->setFocusPolicy(Qt::NoFocus);
  QPalette pal = area->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::Button));
  area->setPalette(pal);
  return area;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("AboutForm");
  setFixedSize(kClientWidth, kClientHeight);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(8, 8, 281, 281);
  Panel1->setFrameShape(QFrame::Box);
  Panel1->setFrameShadow(QFrame::Sunken);
  Panel1->setLineWidth(1);
  Panel1->setMidLineWidth(1);

  ProductName = new QLabel(kProduct, Panel1);
  ProductName->setObjectName("ProductName");
  QFont nameFont("MS Sans Serif");
  nameFont.setBold(true);
  nameFont.setItalic(true);
  nameFont.setPixelSize(19);
  ProductName->setFont(nameFont);
  ProductName->move(51, 16);
  ProductName->adjustSize();

  lblCurrent_Release = new QLabel(Panel1);
  lblCurrent_Release->setObjectName("lblCurrent_Release");
  lblCurrent_Release->move(114, 40);
  lblCurrent_Release->setText("v4.0");
  lblCurrent_Release->adjustSize();

  Comments = MakeTextArea(Panel1, QRect(30, 63, 220, 94), tr(kCommentsText), true);
  Comments->setObjectName("Comments");
  Comments->setAccessibleName(tr("What the program does"));
  Copyright = MakeTextArea(Panel1, QRect(30, 172, 220, 94), kCopyrightText, false);
  Copyright->setAccessibleName(tr("Copyright and credits"));
  Copyright->setObjectName("Copyright");

  OKButton = new QPushButton(tr("OK"), this);
  OKButton->setObjectName("OKButton");
  OKButton->setGeometry(111, 341, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
  }
}

void TAboutForm::showEvent(QShowEvent* event) {
  setWindowTitle(tr("About %1").arg(QString::fromUtf8(kProduct)));
  QDialog::showEvent(event);
  OKButton->setFocus();
}

void ShowAboutBox(QWidget* parent) {
  TAboutForm about(parent);
  about.exec();
}

}  // namespace lrw
