#include "platform/HelpViewer.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

// The resources live in a static library, linked in only when referenced.
static void InitProgramResources() {
  Q_INIT_RESOURCE(resources);
}

namespace lrw {
namespace {

constexpr const char* kViewerName = "HelpViewer";

// The pages' own style sheet has no colours: text and links take the palette's, and
// table headings stand out by the palette's alternate background.
QString HelpColorStyleSheet(const QPalette& palette) {
  return QString("th { background-color: %1; }").arg(palette.color(QPalette::AlternateBase).name());
}

// The page in the user's language where the program has it ("help/de/designer.html"),
// otherwise the English one.
QString LocalizedPage(const QString& page) {
  for (const QString& language : QLocale().uiLanguages()) {
    const QString code = language.section(QLatin1Char('-'), 0, 0).toLower();
    if (code == QLatin1String("en")) break;
    const QString path = QStringLiteral(":/help/%1/%2").arg(code, page);
    if (QFile::exists(path)) return QStringLiteral("qrc") + path;
  }
  return QStringLiteral("qrc:/help/") + page;
}

}  // namespace

QString HelpPageFor(int context) {
  switch (context) {
    case kHelpDesigner:
      return LocalizedPage("designer.html");
    case kHelpCaptionEditor:
      return LocalizedPage("caption-editor.html");
    case kHelpShowPlayer:
      return LocalizedPage("show-player.html");
    case kHelpArrangementStage:
      return LocalizedPage("arrangement.html");
    default:
      return LocalizedPage("contents.html");
  }
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
  InitProgramResources();
  setObjectName(kViewerName);
  setWindowTitle(tr("Lanternreelworks! Help"));
  resize(660, 560);

  contents_ = new QToolButton(this);
  contents_->setText(tr("&Contents"));
  back_ = new QToolButton(this);
  back_->setText(tr("< &Back"));
  back_->setAccessibleName(tr("Back"));
  forward_ = new QToolButton(this);
  forward_->setText(tr("&Forward >"));
  forward_->setAccessibleName(tr("Forward"));
  for (QToolButton* b : {contents_, back_, forward_}) b->setToolButtonStyle(Qt::ToolButtonTextOnly);

  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({":/help"});
  ApplyPaletteColors();

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents_);
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(buttons);
  layout->addWidget(browser_);

  connect(contents_, &QToolButton::clicked, this, [this] { ShowTopic(kHelpContents); });
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::historyChanged, this, &HelpViewer::UpdateButtons);
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);
  UpdateButtons();
}

void HelpViewer::ShowTopic(int context) {
  browser_->setSource(QUrl(HelpPageFor(context)));
}

QString HelpViewer::CurrentPage() const {
  return browser_->source().toString();
}

void HelpViewer::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange && browser_) {
    ApplyPaletteColors();
    if (!browser_->source().isEmpty()) browser_->reload();
  }
}

void HelpViewer::ApplyPaletteColors() {
  browser_->document()->setDefaultStyleSheet(HelpColorStyleSheet(palette()));
}

void HelpViewer::UpdateButtons() {
  back_->setEnabled(browser_->isBackwardAvailable());
  forward_->setEnabled(browser_->isForwardAvailable());
}

HelpViewer* FindHelpViewer() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    // A closed viewer may still wait for its deletion: it no longer counts.
    auto* viewer = qobject_cast<HelpViewer*>(w);
    if (viewer && viewer->isVisible()) return viewer;
  }
  return nullptr;
}

void InstallHelpKey(QWidget* window, int context) {
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);  // owned by the window
  QObject::connect(key, &QShortcut::activated, window, [context] { ShowHelp(context); });
}

void ShowHelp(int context) {
  HelpViewer* viewer = FindHelpViewer();
  if (!viewer) {
    viewer = new HelpViewer;  // frees itself when closed
    viewer->setAttribute(Qt::WA_DeleteOnClose);
  }
  // Help asked for from a window that stays on top (the full-screen show, the
  // arrangement stage) must not open hidden behind it.
  const QWidget* asking = QApplication::activeWindow();
  const bool onTop =
      asking && asking != viewer && asking->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  if (viewer->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
    viewer->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  }
  viewer->ShowTopic(context);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

}  // namespace lrw
