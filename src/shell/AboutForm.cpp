#include "shell/AboutForm.h"

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
    "lrw::AboutForm",
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

AboutForm::AboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("AboutForm");
  setFixedSize(kClientWidth, kClientHeight);

  panel_ = new QFrame(this);
  panel_->setObjectName("Panel1");
  panel_->setGeometry(8, 8, 281, 281);
  panel_->setFrameShape(QFrame::Box);
  panel_->setFrameShadow(QFrame::Sunken);
  panel_->setLineWidth(1);
  panel_->setMidLineWidth(1);

  productName_ = new QLabel(kProduct, panel_);
  productName_->setObjectName("ProductName");
  QFont nameFont("MS Sans Serif");
  nameFont.setBold(true);
  nameFont.setItalic(true);
  nameFont.setPixelSize(19);
  productName_->setFont(nameFont);
  productName_->move(51, 16);
  productName_->adjustSize();

  version_ = new QLabel(panel_);
  version_->setObjectName("lblCurrent_Release");
  version_->move(114, 40);
  version_->setText("v4.0");
  version_->adjustSize();

  comments_ = MakeTextArea(panel_, QRect(30, 63, 220, 94), tr(kCommentsText), true);
  comments_->setObjectName("Comments");
  comments_->setAccessibleName(tr("What the program does"));
  copyright_ = MakeTextArea(panel_, QRect(30, 172, 220, 94), kCopyrightText, false);
  copyright_->setAccessibleName(tr("Copyright and credits"));
  copyright_->setObjectName("Copyright");

  okButton_ = new QPushButton(tr("OK"), this);
  okButton_->setObjectName("OKButton");
  okButton_->setGeometry(111, 341, 75, 25);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
  }
}

void AboutForm::showEvent(QShowEvent* event) {
  setWindowTitle(tr("About %1").arg(QString::fromUtf8(kProduct)));
  QDialog::showEvent(event);
  okButton_->setFocus();
}

void ShowAboutBox(QWidget* parent) {
  AboutForm about(parent);
  about.exec();
}

}  // namespace lrw
