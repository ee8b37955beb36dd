#include "designer/SlideshowDesignForm.h"

#include "document/TextMark.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "arrange/SlidePreviewBackgroundForm.h"
#include "designer/CommandSupport.h"
#include "designer/DesignerActions.h"
#include "designer/DesignerArrangementHost.h"
#include "designer/DesignerAutomation.h"
#include "designer/DesignerWidgets.h"
#include "designer/EditCommands.h"
#include "designer/FileCommands.h"
#include "designer/PanelCommands.h"
#include "designer/PropertyPanel.h"
#include "designer/SlideStrip.h"
#include "document/Paths.h"
#include "platform/HelpViewer.h"
#include "platform/QtText.h"
#include "shell/DragDropFiles.h"
#include "shell/DroppedFiles.h"

// The resources live in a static library; nothing references them by symbol.
static void InitDesignerResources() {
  Q_INIT_RESOURCE(resources);
}

namespace lrw {
namespace {

// The size the window opens at, frame included.
constexpr int kOuterWidth = 588;
constexpr int kOuterHeight = 433;
// What a desktop frame took of it where the layout was designed (4-pixel borders and
// a 19-pixel caption); the client keeps the designed size when no frame is known yet.
constexpr int kDesignedFrameWidth = 8;
constexpr int kDesignedFrameHeight = 27;
constexpr int kStripLeft = 120;
constexpr int kStripTop = 22;
constexpr int kPanelMargin = 11;  // below the lowest group box
constexpr int kHelpContext = 1;
constexpr size_t kStatusCapacity = 255;

// Compositors place windows themselves; there the designer does not try.
bool PlatformPlacesWindows() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

SlideshowDesignForm::SlideshowDesignForm(DesignerServices services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(services),
      editorDialogs_(services.dialogs, services.prompts, this),
      windows_(
          services.prompts, services.dialogs, this, [this](SlideId) { OpenStage(); },
          [this] { close(); }),
      media_(services.screenSize),
      editor_(EditorServices{services.prompts, editorDialogs_, windows_, media_}),
      stageHost_(std::make_unique<DesignerArrangementHost>(*this)),
      automation_(std::make_unique<DesignerAutomation>(editor_, *this)) {
  InitDesignerResources();
  setObjectName(QStringLiteral("SlideshowDesignForm"));
  setFont(DesignerWindowFont());
  setWindowTitle(QString::fromLatin1(kPlainTitle));

  std::string cwd = QDir::currentPath().toStdString();
  if (cwd.empty() || cwd.back() != '/') cwd += '/';
  editor_.Memory().lastPictureFolder = cwd;

  BuildControls();
  InstallHelpKey(this, kHelpContext);
  windows_.SetShowName([this] {
    return QFileInfo(QString::fromStdString(editor_.Document().FileName()))
        .completeBaseName()
        .toStdString();
  });
  windows_.SetSlideOnScreen([this](int index) {
    if (editor_.Document().ValidIndex(index)) editor_.Select({index}, index);
  });
  editor_.AddListener(this);

  // A translation or a larger desktop font gets the room it needs; the designed texts at
  // the designed font fit as they are.
  FitToContents(centralWidget());
  const int panelWidth = FitToContents(panel_).width();
  resize(std::max(kOuterWidth - kDesignedFrameWidth, panelWidth + kPanelMargin),
         kOuterHeight - kDesignedFrameHeight);
  LayOutToWidth();
  // The panel must fit whatever heights the menu bar and status bar of this desktop take.
  const int needed = menuBar()->sizeHint().height() + panel_->y() + panel_->ContentHeight() + 1 +
                     kPanelMargin + statusBar()->sizeHint().height();
  if (height() < needed) resize(width(), needed);
  PlaceAtBottomRight();
}

SlideshowDesignForm::~SlideshowDesignForm() {
  // A stage still open works on this window's show: it goes first.
  if (stage_) delete stage_.data();
  editor_.RemoveListener(this);
  // The strip, the panel and the actions listen to the editor and its document, which
  // are members and would be gone before the window's children: they go first.
  delete actions_;
  delete centralWidget();
}

void SlideshowDesignForm::AddFitLargerChoice() {
  // Beside "&Add slides", which it governs; remembered between sessions.
  QMenu* edit = menuBar()->findChild<QMenu*>(QStringLiteral("Edit1"));
  if (!edit) return;
  QAction* fit = new QAction(tr("Fit pictures larger than the screen"), edit);
  fit->setObjectName(QStringLiteral("FitLargerPictures1"));
  fit->setCheckable(true);
  fit->setChecked(media_.FitLargerPictures());
  QAction* before = nullptr;
  const QList<QAction*> actions = edit->actions();
  for (qsizetype i = 0; i + 1 < actions.size(); ++i) {
    if (actions[i]->objectName() == QLatin1String("Addslides1")) before = actions[i + 1];
  }
  edit->insertAction(before, fit);
  connect(fit, &QAction::toggled, this, [this](bool on) { media_.SetFitLargerPictures(on); });
}

AutomationTarget& SlideshowDesignForm::Automation() {
  return *automation_;
}

void SlideshowDesignForm::BuildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);

  strip_ = new SlideStrip(editor_.Document(), client);
  strip_->setObjectName(QStringLiteral("ImageListBox"));
  strip_->setGeometry(kStripLeft, kStripTop, kStripCellWidth + 2, 120);
  strip_->setContextMenuPolicy(Qt::CustomContextMenu);
  strip_->AttachEditor(&editor_);
  stripLabel_ = MakeLabel(client, "Label1", tr("&Slideshow sequence"), 122, 5);
  stripLabel_->setBuddy(strip_);
  strip_->setAccessibleName(tr("Slideshow sequence"));
  strip_->setAccessibleDescription(
      tr("The slides in show order; arrow keys move, Shift and Ctrl select several"));

  movesGroup_ = MakeGroup(client, "gbMoves", tr("&Moves"), 6, 16, 107, 81);
  actions_ = new DesignerActions(editor_, *this, movesGroup_);
  panel_ = new PropertyPanel(editor_, client);
  AddFitLargerChoice();

  QStatusBar* status = statusBar();
  status->setObjectName(QStringLiteral("StatusBar1"));
  status->setSizeGripEnabled(false);
  statusText_ = new QLabel(status);
  statusText_->setTextFormat(Qt::PlainText);
  statusText_->setAccessibleName(tr("Selected slide"));
  status->addWidget(statusText_, 1);

  connect(strip_, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex&) { editor_.Execute(ArrangeSlideCommand()); });
  connect(strip_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    actions_->Refresh();
    actions_->ContextMenu()->popup(strip_->viewport()->mapToGlobal(pos));
  });

  dropTarget_ = new DragDropFiles(this);
  dropTarget_->SetDragDropControl(strip_);
  dropTarget_->SetTargetEffects(DropEffect::Copy | DropEffect::Move);
  connect(dropTarget_, &DragDropFiles::ProcessDropped, this, [this] { ProcessDroppedFiles(); });
}

// ---- layout ----

void SlideshowDesignForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  LayOutToWidth();
}

void SlideshowDesignForm::LayOutToWidth() {
  if (!strip_) return;
  const int itemHeight = StripItemHeight();
  strip_->SetItemHeight(itemHeight);
  const int stripHeight = itemHeight + strip_->ScrollBarHeight() + 2;
  // Right of the Moves group and below the strip's label, however large their font.
  const int left = std::max(kStripLeft, movesGroup_->geometry().right() + 8);
  const int top = std::max(kStripTop, stripLabel_->geometry().bottom() + 2);
  // As many whole cells as fit, plus the border.
  const int columns = std::max(0, (width() - left) / kStripCellWidth);
  strip_->setGeometry(left, top, kStripCellWidth * columns + 2, stripHeight);
  stripLabel_->move(left + 2, stripLabel_->y());
  panel_->PlaceAt(std::max(top + stripHeight, movesGroup_->geometry().bottom()) + 6,
                  centralWidget()->width());
}

void SlideshowDesignForm::PlaceAtBottomRight() {
  if (PlatformPlacesWindows()) return;
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QRect frame = frameGeometry();
  // Never off the screen, whatever frame the desktop reports.
  move(std::max(area.x(), area.x() + area.width() - frame.width()),
       std::max(area.y(), area.y() + area.height() - frame.height()));
}

void SlideshowDesignForm::PlaceOnceFrameIsKnown() {
  if (placedWithFrame_ || !isVisible()) return;
  if (frameGeometry().size() != size()) {
    // Only now is the desktop's frame known: keep the outer corner where it belongs.
    placedWithFrame_ = true;
    PlaceAtBottomRight();
    return;
  }
  // A window manager reports its frame a moment after the window appears; without
  // one there is no frame and the window already stands in its place.
  if (++framePolls_ < 20) QTimer::singleShot(50, this, [this] { PlaceOnceFrameIsKnown(); });
}

// ---- what the editor says ----

void SlideshowDesignForm::SelectionChanged() {
  UpdateStatus();
}

void SlideshowDesignForm::CommandStatesChanged() {
  UpdateStatus();
  // Files dropped while the designer is busy are refused at once.
  const bool accept = !editor_.Busy();
  if (accept != dropsAccepted_) {
    dropsAccepted_ = accept;
    dropTarget_->SetTargetEffects(accept ? (DropEffect::Copy | DropEffect::Move)
                                         : DropEffect::None);
  }
}

void SlideshowDesignForm::TitleChanged() {
  setWindowTitle(QString::fromStdString(WindowTitleFor(editor_.TitlePath())));
}

void SlideshowDesignForm::UpdateStatus() {
  const int target = editor_.TargetIndex();
  if (target < 0) {
    statusText_->clear();
    return;
  }
  const SlideRecord& slide = editor_.Document().SlideAt(target);
  if (slide.PictureName.empty()) {
    statusText_->setText(SlideStrip::tr("(blank)"));
    return;
  }
  // The folder in lower case, the file name as it is; the whole cut to 255 characters.
  const std::string joined = CutToCapacity(slide.PicturePath(), kStatusCapacity);
  const size_t folder = std::min(slide.PictureFolder.size(), joined.size());
  statusText_->setText(FromCp1252(joined.substr(0, folder)).toLower() +
                       FromCp1252(joined.substr(folder)));
}

QString SlideshowDesignForm::StatusText() const {
  return statusText_->text();
}

// ---- the stage ----

void SlideshowDesignForm::OpenStage() {
  // Nothing of the designer can be used while a slide is being arranged.
  setEnabled(false);
  stage_ = OpenArrangementStage(*stageHost_);
}

void SlideshowDesignForm::StageFinished() {
  stage_ = nullptr;
  setEnabled(true);
  activateWindow();
}

// ---- dropped files ----

void SlideshowDesignForm::ProcessDroppedFiles() {
  // Each file lands directly after the same current slide, so a drop of several files
  // stands in the strip in reverse order.
  const DroppedPictures dropped = PicturesFromDrop(dropTarget_->FileList(), shortcutReader_);
  AddPictureFilesCommand add(dropped.paths, "Drop", true);
  if (!editor_.Execute(add)) return;  // busy: the drop is refused
  for (const Error& problem : add.Problems()) {
    ShowEditor::BusyScope busy(editor_, BusyReason::Modal);
    TellImportProblem(services_.prompts, problem);
  }
  if (dropped.shortcutError) {
    Beep(editor_, BeepKind::Error);
    TellUser(editor_, dropped.shortcutError->message, LRW_TR_NOOP("lrw::Messages", "Error"),
             PromptIcon::Error);
  }
}

// ---- life cycle ----

void SlideshowDesignForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) TitleChanged();
  PlaceOnceFrameIsKnown();
}

void SlideshowDesignForm::closeEvent(QCloseEvent* event) {
  // While a slide is being arranged the stage is finished first; while a show runs or a
  // dialog is up, nothing closes under them.
  if (stage_) {
    event->ignore();
    stage_->raise();
    stage_->activateWindow();
    return;
  }
  if (editor_.Busy() || QuerySaveChanges(editor_, true) == PromptAnswer::Cancel) {
    event->ignore();
    return;
  }
  event->accept();
  emit FormClosed();
}

}  // namespace lrw
