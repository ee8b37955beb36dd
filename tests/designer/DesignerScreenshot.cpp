// Opens the designer on a sample show of pictures and blank slides and saves a
// screenshot of the whole screen:
//   designer_screenshot out.png [slides | show file] [edit | popup]
// "edit" opens the Edit menu and "popup" the strip's context menu before the shot;
// "caption" opens the caption editor on the selected slide, "font" and "color" its
// font and colour dialogs, "background" the panel's colour dialog; "tabs:N" presses Tab
// N times and saves a shot after each (out-1.png ...). With LRW_DARK set the designer
// runs in the Fusion style on a dark palette, as on a dark desktop theme.
#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstring>

#include "designer/DesignerTestSupport.h"
#include "designer/FileCommands.h"
#include "designer/SlideCaptionForm.h"
#include "designer/SlideshowDesignForm.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrompts.h"

namespace {

lrw::Bitmap SampleThumbnail(int i) {
  const int w = i % 3 == 1 ? 45 : 60;
  const int h = i % 3 == 1 ? 60 : 45;
  QImage image(w, h, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, QColor::fromHsv((i * 47) % 360, 120, 250));
  sky.setColorAt(1, QColor::fromHsv((i * 47 + 40) % 360, 60, 255));
  p.fillRect(image.rect(), sky);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 200, 40));
  p.drawEllipse(QPoint(w - 14, 12), 6, 6);
  p.setBrush(QColor::fromHsv(100 + (i * 13) % 40, 180, 140));
  const QPoint hills[] = {{0, h},         {0, h * 2 / 3}, {w / 3, h / 2}, {w * 2 / 3, h * 3 / 4},
                          {w, h / 2 + 5}, {w, h}};
  p.drawPolygon(hills, 6);
  p.end();
  lrw::Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    std::memcpy(b.row(y), image.constScanLine(y), static_cast<size_t>(w) * 4);
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (qEnvironmentVariableIsSet("LRW_DARK")) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(lrw::test::DarkPalette());
  }
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("designer.png");
  const QString second = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  const bool showFile = QFileInfo(second).isFile();
  const int count = showFile ? 0 : (argc > 2 ? std::atoi(argv[2]) : 12);

  lrw::QtPrompts prompts;
  lrw::QtDialogs dialogs;
  lrw::SlideshowDesignForm form(
      lrw::DesignerServices{prompts, dialogs, QGuiApplication::primaryScreen()->size()});
  prompts.setParent(&form);

  const char* names[] = {
      "Harbour at dawn.jpg", "cat.png",   "Grandmother's 90th birthday.jpg", "map.gif",
      "IMG_2041.JPG",        "sunset.bmp"};
  std::vector<lrw::SlideRecord> slides;
  for (int i = 0; i < count; ++i) {
    if (i % 4 == 2) {
      slides.push_back(lrw::test::BlankSlide(i % 8 == 2 ? 0x00000000u : 0x00804010u));
      continue;
    }
    lrw::SlideRecord s = lrw::test::PictureSlide(names[i % 6], 60, 45, 0, "/home/ann/Pictures/");
    s.Thumbnail = SampleThumbnail(i);
    s.Effect = static_cast<uint8_t>(i % 42);
    s.BoxWidth = 4;
    if (i == 1) {
      s.ShowCaption = 1;
      s.Caption = {"Our cat"};
      s.PlaySound = 1;
      s.SoundFolder = "/home/ann/Sounds/";
      s.SoundName = "purr & meow.wav";
      s.DurationMode = lrw::DurationMode::SoundEnded;
    }
    slides.push_back(std::move(s));
  }
  // The sample show goes through a show file, as any show reaches the designer.
  QTemporaryDir dir;
  const std::string sample = dir.filePath(QStringLiteral("sample.sho")).toStdString();
  const std::string file = showFile ? second.toStdString() : sample;
  if (!showFile && !lrw::test::WriteShow(sample, std::move(slides))) return 1;
  lrw::ShowEditor& editor = form.Editor();
  lrw::LoadShowCommand load(file);
  editor.Execute(load);
  if (!load.Outcome()) return 1;
  form.show();
  form.activateWindow();
  if (editor.Document().Count() > 1) editor.Select({1}, 1);
  auto* strip = form.findChild<QWidget*>(QStringLiteral("ImageListBox"));
  strip->setFocus();

  const QString menu = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
  QTimer::singleShot(300, &app, [&] {
    if (menu == QLatin1String("edit")) {
      form.menuBar()->setActiveAction(
          form.findChild<QMenu*>(QStringLiteral("Edit1"))->menuAction());
    } else if (menu == QLatin1String("popup")) {
      emit strip->customContextMenuRequested(QPoint(100, 40));
    } else if (menu == QLatin1String("background")) {
      form.findChild<QPushButton*>(QStringLiteral("btnBackground"))->click();
    } else if (menu == QLatin1String("caption") || menu == QLatin1String("font") ||
               menu == QLatin1String("color")) {
      form.findChild<QPushButton*>(QStringLiteral("btnEdit_Caption"))->click();
    }
  });
  QTimer::singleShot(500, &app, [&] {
    auto* editor = qobject_cast<lrw::SlideCaptionForm*>(QApplication::activeModalWidget());
    if (!editor) return;
    if (menu == QLatin1String("font")) editor->ChooseFont();
    if (menu == QLatin1String("color")) editor->ChooseBackColor();
  });
  if (menu.startsWith(QLatin1String("tabs:"))) {
    const int tabs = menu.mid(5).toInt();
    for (int i = 1; i <= tabs; ++i) {
      QTimer::singleShot(300 + 150 * i, &app, [&out, &form, i] {
        if (QWidget* focus = QApplication::focusWidget()) {
          QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
          QApplication::sendEvent(focus, &press);
        }
        QTimer::singleShot(100, [&out, &form, i] {
          const QString who = QApplication::focusWidget()
                                  ? QApplication::focusWidget()->objectName()
                                  : QStringLiteral("none");
          QString name = out;
          name.replace(QLatin1String(".png"), QStringLiteral("-%1-%2.png").arg(i).arg(who));
          form.grab().save(name);
        });
      });
    }
  }
  QTimer::singleShot(
      menu.startsWith(QLatin1String("tabs:")) ? 300 + 150 * (menu.mid(5).toInt() + 2) : 1200, &app,
      [&] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(out);
        // Leave every dialog still open; their loops end before the application's.
        while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        QApplication::exit(0);  // without asking the windows, which may still be busy
      });
  return app.exec();
}
