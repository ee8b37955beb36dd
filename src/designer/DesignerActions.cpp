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
#include "designer/RunCommands.h"
#include "platform/HelpViewer.h"
#include "shell/HelpAbout.h"

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
  fileMenu_ = bar->addMenu(QStringLiteral("F&ile"));
  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  QMenu* run = bar->addMenu(QStringLiteral("&Run"));
  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
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
    Bind({make, {AddAction(menu, name, QString::fromUtf8(text), key, {})}, nullptr});
  };
  add("Open1", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O), Make<OpenShowCommand>());
  menu->addSeparator();
  add("Save1", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), Make<SaveShowCommand>(false));
  add("SaveAs1", "Save &As", {}, Make<SaveShowAsCommand>(false));
  menu->addSeparator();
  add("BuildaPortableShow1", "&Build a Portable Show", {}, Make<BuildPortableShowCommand>());
  add("ExportasVideo1", "E&xport as Video...", {}, Make<ExportVideoCommand>());
  menu->addSeparator();
  add("Close1", "&Close", QKeySequence(Qt::CTRL | Qt::Key_F4), Make<CloseShowCommand>());
  add("Exit1", "&Exit", {}, Make<ExitCommand>());
}

void DesignerActions::BuildEditMenus(QMenu* edit, QWidget* moves) {
  QMenu* popup = contextMenu_;
  QAction* undo1 =
      AddAction(edit, "Undo1", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), {});
  QAction* redo1 = AddAction(edit, "Redo1", QStringLiteral("&Redo"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), {});
  redo1->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  QAction* undo2 = AddAction(popup, "Undo2", QStringLiteral("&Undo"), {}, {});
  QAction* redo2 = AddAction(popup, "Redo2", QStringLiteral("&Redo"), {}, {});
  undoActions_ = {undo1, undo2};
  redoActions_ = {redo1, redo2};
  Bind({Make<UndoCommand>(), undoActions_, nullptr});
  Bind({Make<RedoCommand>(), redoActions_, nullptr});
  edit->addSeparator();
  popup->addSeparator();
  Bind({Make<AddSlidesCommand>(),
        {AddAction(edit, "Addslides1", QStringLiteral("&Add slides"), {}, {})},
        nullptr});
  edit->addSeparator();

  auto button = [moves](const char* name, const QString& icon, const char* hint, int x, int y) {
    return MakeGlyphButton(moves, QString::fromLatin1(name), icon, QString::fromUtf8(hint), x, y);
  };
  // The Moves buttons are made in this order, which is also their tab order.
  QToolButton* left = button("btnMoveUp", kLeft, "Move left", 25, 16);
  QToolButton* right = button("btnMoveDown", kRight, "Move right", 57, 16);
  QToolButton* del = button("btnDelete", kDelete, "Delete", 9, 48);
  QToolButton* dup = button("btnDuplicate", kDuplicate, "Duplicate", 41, 48);
  QToolButton* blank = button("btnInsertBlank", kBlank, "Insert blank", 73, 48);

  Bind({Make<MoveLeftCommand>(),
        {AddAction(edit, "MoveLeft1", QStringLiteral("Move &Left"),
                   QKeySequence(Qt::CTRL | Qt::Key_L), kLeft),
         AddAction(popup, "MoveLeft2", QStringLiteral("Move &Left"), {}, kLeft)},
        left});
  Bind({Make<MoveRightCommand>(),
        {AddAction(edit, "MoveRight1", QStringLiteral("Move &Right"),
                   QKeySequence(Qt::CTRL | Qt::Key_R), kRight),
         AddAction(popup, "MoveRight2", QStringLiteral("Move &Right"), {}, kRight)},
        right});
  Bind({Make<DeleteSlidesCommand>(),
        {AddAction(edit, "Delete1", QStringLiteral("D&elete"), QKeySequence(Qt::Key_Delete),
                   kDelete),
         AddAction(popup, "Delete2", QStringLiteral("D&elete"), {}, kDelete)},
        del});
  Bind({Make<DuplicateSlideCommand>(),
        {AddAction(edit, "Duplicate1", QStringLiteral("Dupli&cate"),
                   QKeySequence(Qt::CTRL | Qt::Key_C), kDuplicate),
         AddAction(popup, "Duplicate2", QStringLiteral("Dupli&cate"), {}, kDuplicate)},
        dup});
  edit->addSeparator();
  Bind({Make<InsertBlankCommand>(),
        {AddAction(edit, "InsertBlank1", QStringLiteral("Insert Blan&k"),
                   QKeySequence(Qt::CTRL | Qt::Key_K), kBlank),
         AddAction(popup, "InsertBlank2", QStringLiteral("Insert &Blank"), {}, kBlank)},
        blank});
}

void DesignerActions::BuildRunMenu(QMenu* menu) {
  loopAction_ = AddAction(menu, "Loop1", QStringLiteral("&Loop Until Esc Pressed"), {}, {});
  loopAction_->setCheckable(true);
  Bind({Make<ToggleLoopCommand>(), {loopAction_}, nullptr});
  Bind({Make<EditMusicCommand>(), {AddAction(menu, "Music1", tr("&Music..."), {}, {})}, nullptr});
  Bind({Make<FitShowToMusicCommand>(),
        {AddAction(menu, "FitShowToMusic1", tr("&Fit the Show to the Music"), {}, {})},
        nullptr});
  menu->addSeparator();
  Bind({Make<RunShowCommand>(RunShowCommand::From::Beginning),
        {AddAction(menu, "RunFromStart1", QStringLiteral("Run the Show from the &Beginning"),
                   QKeySequence(Qt::CTRL | Qt::Key_B), {})},
        nullptr});
  Bind({Make<RunShowCommand>(RunShowCommand::From::CurrentSlide),
        {AddAction(menu, "RunFromSelectedSlide1",
                   QStringLiteral("Run the Show from the &Selected Slide"), {}, {})},
        nullptr});
}

void DesignerActions::BuildHelpMenu(QMenu* menu) {
  QAction* topics = AddAction(menu, "HelpContents1", QStringLiteral("Help &Topics"), {}, {});
  menu->addSeparator();
  QAction* about =
      AddAction(menu, "AboutBrightframework1", QStringLiteral("About Lanternreelworks!"), {}, {});
  connect(topics, &QAction::triggered, this, [] { ShowHelp(kHelpContents); });
  connect(about, &QAction::triggered, this, [this] {
    // A modal window: nothing changes the show while it is up.
    ShowEditor::BusyScope busy(editor_, kBusyModal);
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
      history.CanUndo() ? QStringLiteral("&Undo ") + QString::fromStdString(history.UndoStep().name)
                        : QStringLiteral("&Undo");
  const QString redo =
      history.CanRedo() ? QStringLiteral("&Redo ") + QString::fromStdString(history.RedoStep().name)
                        : QStringLiteral("&Redo");
  for (QAction* a : undoActions_) a->setText(undo);
  for (QAction* a : redoActions_) a->setText(redo);
  loopAction_->setChecked(editor_.Document().Loop());
}

}  // namespace lrw
