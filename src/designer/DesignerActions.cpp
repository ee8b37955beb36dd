#include "designer/DesignerActions.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "designer/DesignerWidgets.h"
#include "designer/EditCommands.h"
#include "designer/FileCommands.h"
#include "designer/MusicCommands.h"
#include "designer/PlayOnMenu.h"
#include "designer/RunCommands.h"
#include "platform/CoreText.h"
#include "platform/HelpViewer.h"
#include "shell/AboutForm.h"

namespace lrw {
namespace {

template <typename Command, typename... Args>
std::function<std::unique_ptr<EditorCommand>()> Make(Args... args) {
  return [=] { return std::make_unique<Command>(args...); };
}

const QString kLeft = QStringLiteral(":/icons/move-left.svg");
const QString kRight = QStringLiteral(":/icons/move-right.svg");
const QString kDelete = QStringLiteral(":/icons/delete.svg");
const QString kDuplicate = QStringLiteral(":/icons/duplicate.svg");
const QString kBlank = QStringLiteral(":/icons/insert-blank.svg");

}  // namespace

DesignerActions::DesignerActions(ShowEditor& editor, QMainWindow& window, QWidget* moves)
    : QObject(&window), editor_(editor), window_(window) {
  QMenuBar* bar = window.menuBar();
  fileMenu_ = bar->addMenu(tr("F&ile"));
  QMenu* edit = bar->addMenu(tr("&Edit"));
  QMenu* run = bar->addMenu(tr("&Run"));
  QMenu* help = bar->addMenu(tr("&Help"));
  contextMenu_ = new QMenu(&window);
  fileMenu_->setObjectName(QStringLiteral("File1"));
  edit->setObjectName(QStringLiteral("Edit1"));
  run->setObjectName(QStringLiteral("Run1"));
  help->setObjectName(QStringLiteral("Help1"));
  contextMenu_->setObjectName(QStringLiteral("EditPopup"));
  // Menus are windows of their own; they take the window's font as well.
  for (QMenu* menu : {fileMenu_, edit, run, help, contextMenu_})
    menu->setAttribute(Qt::WA_WindowPropagation);

  BuildFileMenu(fileMenu_);
  BuildEditMenus(edit, moves);
  BuildRunMenu(run);
  BuildHelpMenu(help);
  editor_.AddListener(this);
  Refresh();
}

DesignerActions::~DesignerActions() {
  editor_.RemoveListener(this);
}

QAction* DesignerActions::AddAction(QMenu* menu, const char* objectName, const QString& text,
                                    const QKeySequence& key, const QString& icon) {
  QAction* a = menu->addAction(text);
  a->setObjectName(QString::fromLatin1(objectName));
  if (!key.isEmpty()) a->setShortcut(key);
  if (!icon.isEmpty()) a->setIcon(QIcon(icon));
  return a;
}

void DesignerActions::Bind(Entry entry) {
  entries_.push_back(std::move(entry));
  const size_t at = entries_.size() - 1;
  for (QAction* a : entries_[at].actions)
    connect(a, &QAction::triggered, this, [this, at] { Run(entries_[at]); });
  if (entries_[at].button)
    connect(entries_[at].button, &QToolButton::clicked, this, [this, at] { Run(entries_[at]); });
}

void DesignerActions::Run(const Entry& entry) {
  const std::unique_ptr<EditorCommand> command = entry.make();
  editor_.Execute(*command);
  Refresh();
}

void DesignerActions::BuildFileMenu(QMenu* menu) {
  auto add = [&](const char* name, const char* text, QKeySequence key, auto make) {
    Bind({make, {AddAction(menu, name, tr(text), key, {})}, nullptr});
  };
  add("Open1", QT_TR_NOOP("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), Make<OpenShowCommand>());
  menu->addSeparator();
  add("Save1", QT_TR_NOOP("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
      Make<SaveShowCommand>(false));
  add("SaveAs1", QT_TR_NOOP("Save &As"), {}, Make<SaveShowAsCommand>(false));
  menu->addSeparator();
  add("BuildaPortableShow1", QT_TR_NOOP("&Build a Portable Show"), {},
      Make<BuildPortableShowCommand>());
  add("ExportasVideo1", QT_TR_NOOP("E&xport as Video..."), {}, Make<ExportVideoCommand>());
  menu->addSeparator();
  add("Close1", QT_TR_NOOP("&Close"), QKeySequence(Qt::CTRL | Qt::Key_F4),
      Make<CloseShowCommand>());
  add("Exit1", QT_TR_NOOP("&Exit"), {}, Make<ExitCommand>());
}

void DesignerActions::BuildEditMenus(QMenu* edit, QWidget* moves) {
  QMenu* popup = contextMenu_;
  QAction* menuUndo = AddAction(edit, "Undo1", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), {});
  QAction* menuRedo =
      AddAction(edit, "Redo1", tr("Re&do"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), {});
  menuRedo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  QAction* popupUndo = AddAction(popup, "Undo2", tr("&Undo"), {}, {});
  QAction* popupRedo = AddAction(popup, "Redo2", tr("Re&do"), {}, {});
  undoActions_ = {menuUndo, popupUndo};
  redoActions_ = {menuRedo, popupRedo};
  Bind({Make<UndoCommand>(), undoActions_, nullptr});
  Bind({Make<RedoCommand>(), redoActions_, nullptr});
  edit->addSeparator();
  popup->addSeparator();
  Bind({Make<AddSlidesCommand>(),
        {AddAction(edit, "Addslides1", tr("&Add slides"), {}, {})},
        nullptr});
  edit->addSeparator();

  auto button = [moves](const char* name, const QString& icon, const char* hint, int x, int y) {
    QToolButton* b = MakeGlyphButton(moves, QString::fromLatin1(name), icon, tr(hint), x, y);
    b->setAccessibleName(b->toolTip());
    return b;
  };
  // The Moves buttons are made in this order, which is also their tab order.
  QToolButton* left = button("btnMoveUp", kLeft, QT_TR_NOOP("Move left"), 25, 16);
  QToolButton* right = button("btnMoveDown", kRight, QT_TR_NOOP("Move right"), 57, 16);
  QToolButton* del = button("btnDelete", kDelete, QT_TR_NOOP("Delete"), 9, 48);
  QToolButton* dup = button("btnDuplicate", kDuplicate, QT_TR_NOOP("Duplicate"), 41, 48);
  QToolButton* blank = button("btnInsertBlank", kBlank, QT_TR_NOOP("Insert blank"), 73, 48);

  Bind({Make<MoveLeftCommand>(),
        {AddAction(edit, "MoveLeft1", tr("Move &Left"), QKeySequence(Qt::CTRL | Qt::Key_L), kLeft),
         AddAction(popup, "MoveLeft2", tr("Move &Left"), {}, kLeft)},
        left});
  Bind({Make<MoveRightCommand>(),
        {AddAction(edit, "MoveRight1", tr("Move &Right"), QKeySequence(Qt::CTRL | Qt::Key_R),
                   kRight),
         AddAction(popup, "MoveRight2", tr("Move &Right"), {}, kRight)},
        right});
  Bind({Make<DeleteSlidesCommand>(),
        {AddAction(edit, "Delete1", tr("D&elete"), QKeySequence(Qt::Key_Delete), kDelete),
         AddAction(popup, "Delete2", tr("D&elete"), {}, kDelete)},
        del});
  Bind({Make<DuplicateSlideCommand>(),
        {AddAction(edit, "Duplicate1", tr("Dupli&cate"), QKeySequence(Qt::CTRL | Qt::Key_C),
                   kDuplicate),
         AddAction(popup, "Duplicate2", tr("Dupli&cate"), {}, kDuplicate)},
        dup});
  edit->addSeparator();
  Bind({Make<InsertBlankCommand>(),
        {AddAction(edit, "InsertBlank1", tr("Insert Blan&k"), QKeySequence(Qt::CTRL | Qt::Key_K),
                   kBlank),
         AddAction(popup, "InsertBlank2", tr("Insert &Blank"), {}, kBlank)},
        blank});
}

void DesignerActions::BuildRunMenu(QMenu* menu) {
  loopAction_ = AddAction(menu, "Loop1", tr("&Loop Until Esc Pressed"), {}, {});
  loopAction_->setCheckable(true);
  Bind({Make<ToggleLoopCommand>(), {loopAction_}, nullptr});
  shuffleAction_ = AddAction(menu, "Shuffle1", tr("S&huffle"), {}, {});
  shuffleAction_->setCheckable(true);
  Bind({Make<ToggleShuffleCommand>(), {shuffleAction_}, nullptr});
  Bind({Make<EditMusicCommand>(), {AddAction(menu, "Music1", tr("&Music..."), {}, {})}, nullptr});
  Bind({Make<FitShowToMusicCommand>(),
        {AddAction(menu, "FitShowToMusic1", tr("&Fit the Show to the Music"), {}, {})},
        nullptr});
  menu->addSeparator();
  Bind({Make<RunShowCommand>(RunShowCommand::From::Beginning),
        {AddAction(menu, "RunFromStart1", tr("Run the Show from the &Beginning"),
                   QKeySequence(Qt::CTRL | Qt::Key_B), {})},
        nullptr});
  Bind({Make<RunShowCommand>(RunShowCommand::From::CurrentSlide),
        {AddAction(menu, "RunFromSelectedSlide1", tr("Run the Show from the &Selected Slide"), {},
                   {})},
        nullptr});
  AddPlayOnMenu(menu, &window_);
}

void DesignerActions::BuildHelpMenu(QMenu* menu) {
  QAction* topics = AddAction(menu, "HelpContents1", tr("Help &Topics"), {}, {});
  menu->addSeparator();
  QAction* about = AddAction(menu, "AboutBrightframework1", tr("About Lanternreelworks!"), {}, {});
  connect(topics, &QAction::triggered, this, [] { ShowHelp(kHelpContents); });
  connect(about, &QAction::triggered, this, [this] {
    // A modal window: nothing changes the show while it is up.
    ShowEditor::BusyScope busy(editor_, BusyReason::Modal);
    ShowAboutBox(&window_);
  });
}

void DesignerActions::Refresh() {
  for (const Entry& entry : entries_) {
    const std::unique_ptr<EditorCommand> command = entry.make();
    const bool enabled = editor_.IsEnabled(*command);
    // A button stays as its rule says while a dialog over the window is up.
    const bool shown = command->OnEnabled(editor_);
    for (QAction* a : entry.actions) a->setEnabled(enabled);
    if (entry.button) entry.button->setEnabled(shown);
  }
  const EditHistory& history = editor_.History();
  const QString undo =
      history.CanUndo() ? tr("&Undo %1").arg(CommandName(history.UndoStep().name)) : tr("&Undo");
  const QString redo =
      history.CanRedo() ? tr("Re&do %1").arg(CommandName(history.RedoStep().name)) : tr("Re&do");
  for (QAction* a : undoActions_) a->setText(undo);
  for (QAction* a : redoActions_) a->setText(redo);
  loopAction_->setChecked(editor_.Document().Loop());
  shuffleAction_->setChecked(editor_.Document().Shuffle());
}

}  // namespace lrw
