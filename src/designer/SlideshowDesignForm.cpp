// The designer window: controls, layout, the slide strip, panel loading and command states.
#include "designer/SlideshowDesignForm.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "designer/ColorSwatch.h"
#include "designer/GrayableCheckBox.h"
#include "designer/SecondsSpinBox.h"
#include "designer/SlideStrip.h"
#include "effects/EffectNames.h"
#include "platform/QtText.h"
#include "platform/SystemColors.h"

// The resources live in a static library; nothing references them by symbol.
static void InitDesignerResources() {
  Q_INIT_RESOURCE(resources);
}

namespace lrw {

QPointer<TSlideshowDesignForm> SlideshowDesignForm;

namespace {

static_assert(TSlideshowDesignForm::CellWidth == kStripCellWidth);

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

QFont DesignerWindowFont() {
  // Eight points at 96 pixels per inch, in the designed face or the first
  // metric-compatible sans serif this desktop has.
  QString family = QStringLiteral("MS Sans Serif");
  for (const char* candidate : {"MS Sans Serif", "Liberation Sans", "Arial"}) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(candidate))) {
      family = QString::fromLatin1(candidate);
      break;
    }
  }
  QFont font(family);
  font.setPixelSize(11);
  return font;
}

// Group boxes drawn with the title on an etched frame line, as the designed
// child positions assume (the first row of controls sits 16 pixels below the top).
QStyle* GroupBoxStyle(QWidget* owner) {
  static const QString kClassic = QStringLiteral("Windows");
  auto* style = owner->findChild<QStyle*>(kClassic, Qt::FindDirectChildrenOnly);
  if (!style) {
    style = QStyleFactory::create(kClassic);
    if (!style) return nullptr;
    style->setObjectName(kClassic);
    style->setParent(owner);
  }
  return style;
}

// A group box whose access key leads to its first control that can take the focus
// now (a checked radio button first), skipping disabled ones; the toolkit's own
// stops at the first control even when that one is disabled.
class AccessGroupBox : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  bool event(QEvent* e) override {
    if (e->type() != QEvent::Shortcut) return QGroupBox::event(e);
    QWidget* first = nullptr;
    for (QWidget* w = nextInFocusChain(); w != this && isAncestorOf(w); w = w->nextInFocusChain()) {
      if (!w->isEnabled() || !w->isVisible()) continue;
      if (auto* radio = qobject_cast<QRadioButton*>(w); radio && radio->isChecked()) {
        first = w;
        break;
      }
      if (!first && (w->focusPolicy() & Qt::TabFocus)) first = w;
    }
    if (first) first->setFocus(Qt::ShortcutFocusReason);
    return true;
  }
};

// Tab enters a group of radio buttons at its checked button, or at the first when
// none is checked. The toolkit keeps the tab stop on the button that last had the
// focus, which is stale once the panel has been loaded from another slide.
void MoveRadioTabStop(QButtonGroup* group) {
  const QList<QAbstractButton*> buttons = group->buttons();
  QAbstractButton* stop = group->checkedButton();
  if (!stop && !buttons.isEmpty()) stop = buttons.front();
  for (QAbstractButton* b : buttons) {
    b->setFocusPolicy(b == stop ? Qt::StrongFocus
                                : static_cast<Qt::FocusPolicy>(Qt::StrongFocus & ~Qt::TabFocus));
  }
}

QGroupBox* MakeGroup(QWidget* parent, const QString& title, int x, int y, int w, int h) {
  auto* g = new AccessGroupBox(title, parent);
  if (QStyle* style = GroupBoxStyle(parent->window())) g->setStyle(style);
  g->setGeometry(x, y, w, h);
  return g;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y) {
  auto* l = new QLabel(text, parent);
  l->move(x, y);
  l->adjustSize();
  return l;
}

template <typename Button>
Button* Place(Button* b, int x, int y) {
  b->adjustSize();
  b->move(x, y);
  return b;
}

QToolButton* MakeGlyphButton(QWidget* parent, const QString& icon, const QString& hint, int x,
                             int y) {
  auto* b = new QToolButton(parent);
  b->setIcon(QIcon(icon));
  b->setIconSize(QSize(18, 18));
  b->setToolTip(hint);
  b->setAutoRaise(false);
  b->setFocusPolicy(Qt::TabFocus);
  b->setGeometry(x, y, 25, 25);
  return b;
}

}  // namespace

TSlideshowDesignForm::TSlideshowDesignForm(DesignerServices services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(services) {
  InitDesignerResources();
  SlideshowDesignForm = this;
  setObjectName(QStringLiteral("SlideshowDesignForm"));
  setFont(DesignerWindowFont());
  setWindowTitle(QStringLiteral("Lanternreelworks!"));

  BuildControls();
  BuildMenus();
  WireEditCommands();
  WirePanel();
  WireFileCommands();
  WireRunCommands();
  WireImport();

  // FormCreate
  ControllerWindow = 0;
  document_.ReleaseSlides();
  StripReset();
  document_.SetFileName({});
  document_.SetModified(false);
  lblSound_File_Name->clear();
  ImageListBox->SetItemHeight(64);
  std::string cwd = QDir::currentPath().toStdString();
  if (cwd.empty() || cwd.back() != '/') cwd += '/';
  LastPictureFolder = cwd;

  resize(kOuterWidth - kDesignedFrameWidth, kOuterHeight - kDesignedFrameHeight);
  FormResize();
  // The panel must fit whatever heights the menu bar and status bar of this
  // desktop take.
  const int needed = menuBar()->sizeHint().height() + gbTransition->geometry().bottom() + 1 +
                     kPanelMargin + statusBar()->sizeHint().height();
  if (height() < needed) resize(width(), needed);
  PlaceAtBottomRight();
  UpdateCommandStates();
}

TSlideshowDesignForm::~TSlideshowDesignForm() {
  // FormDestroy. A stage still open works on this window's show: it goes first.
  if (ArrangementStage) {
    ArrangementStage->disconnect(this);
    delete ArrangementStage.data();
  }
  document_.ReleaseSlides();
  if (SlideshowDesignForm == this) SlideshowDesignForm = nullptr;
}

void TSlideshowDesignForm::BuildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);

  ImageListBox = new SlideStrip(document_, client);
  ImageListBox->setObjectName(QStringLiteral("ImageListBox"));
  ImageListBox->setGeometry(kStripLeft, kStripTop, CellWidth + 2, 120);
  ImageListBox->setContextMenuPolicy(Qt::CustomContextMenu);
  Label1 = MakeLabel(client, QStringLiteral("&Slideshow sequence"), 122, 5);
  Label1->setBuddy(ImageListBox);

  gbMoves = MakeGroup(client, QStringLiteral("&Moves"), 6, 16, 107, 81);
  btnMoveUp =
      MakeGlyphButton(gbMoves, QStringLiteral(":/icons/move-left.svg"), "Move left", 25, 16);
  btnMoveDown =
      MakeGlyphButton(gbMoves, QStringLiteral(":/icons/move-right.svg"), "Move right", 57, 16);
  btnDelete = MakeGlyphButton(gbMoves, QStringLiteral(":/icons/delete.svg"), "Delete", 9, 48);
  btnDuplicate =
      MakeGlyphButton(gbMoves, QStringLiteral(":/icons/duplicate.svg"), "Duplicate", 41, 48);
  btnInsertBlank =
      MakeGlyphButton(gbMoves, QStringLiteral(":/icons/insert-blank.svg"), "Insert blank", 73, 48);

  gbTransition = MakeGroup(client, QStringLiteral("&Transition and Position"), 6, 127, 209, 223);
  cbTransition = new QComboBox(gbTransition);
  for (std::string_view name : EffectNames())
    cbTransition->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  cbTransition->setMaxVisibleItems(16);
  cbTransition->setGeometry(16, 30, 177, cbTransition->sizeHint().height());
  lblBox_Width = MakeLabel(gbTransition, QStringLiteral("Speed"), 7, 68);
  tbBox_Width = new QSlider(Qt::Horizontal, gbTransition);
  tbBox_Width->setRange(2, 10);
  tbBox_Width->setPageStep(5);
  tbBox_Width->setSingleStep(1);
  tbBox_Width->setValue(2);
  tbBox_Width->setTickPosition(QSlider::NoTicks);
  tbBox_Width->setGeometry(4, 83, 196, 30);
  QFont tiny = font();
  tiny.setPixelSize(9);
  QPalette black = palette();
  black.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
  black.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
  lblSlower = new QLabel(QStringLiteral("Slower"), gbTransition);
  lblFaster = new QLabel(QStringLiteral("Faster"), gbTransition);
  for (QLabel* l : {lblSlower, lblFaster}) {
    l->setFont(tiny);
    l->setPalette(black);
    l->adjustSize();
  }
  lblSlower->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblSlower->move(13, 112);
  lblFaster->move(161, 112);
  btnShowTransition = new QPushButton(QIcon(QStringLiteral(":/icons/show-me.svg")),
                                      QStringLiteral("Show Me"), gbTransition);
  btnShowTransition->setIconSize(QSize(20, 20));
  btnShowTransition->setToolTip(QStringLiteral("Demonstrate the transition"));
  btnShowTransition->setGeometry(49, 140, 93, 31);
  cbxCenter =
      Place(new GrayableCheckBox(QStringLiteral("Center image on screen"), gbTransition), 35, 186);

  gbBackground = MakeGroup(client, QStringLiteral("&Background"), 219, 126, 157, 56);
  btnBackground = new QPushButton(QStringLiteral("Change"), gbBackground);
  btnBackground->setGeometry(11, 19, 82, 25);
  lbBackground = new ColorSwatch(gbBackground);
  lbBackground->setObjectName(QStringLiteral("lbBackground"));
  lbBackground->setColor(Qt::white);
  lbBackground->setGeometry(100, 20, 49, 22);

  gbCaption = MakeGroup(client, QStringLiteral("&Caption"), 219, 187, 157, 56);
  cbxShow_Caption = Place(new GrayableCheckBox(QStringLiteral("Show"), gbCaption), 28, 20);
  btnEdit_Caption = new QPushButton(QStringLiteral("Edit"), gbCaption);
  btnEdit_Caption->setGeometry(84, 16, 49, 25);

  gbSound = MakeGroup(client, QStringLiteral("&Sound"), 219, 248, 157, 104);
  cbxPlay_Sound = Place(new GrayableCheckBox(QStringLiteral("Play a Sound"), gbSound), 16, 15);
  lblSound_File_Name = new QLabel(gbSound);
  lblSound_File_Name->setTextFormat(Qt::PlainText);
  lblSound_File_Name->setGeometry(12, 43, 157 - 12 - 6, 16);
  btnPlay_Sound = new QPushButton(QStringLiteral("Play"), gbSound);
  btnPlay_Sound->setGeometry(16, 71, 57, 26);
  btnChange_Sound = new QPushButton(QStringLiteral("Change"), gbSound);
  btnChange_Sound->setGeometry(88, 71, 57, 26);

  gbDuration = MakeGroup(client, QStringLiteral("&Duration"), 380, 126, 185, 120);
  rbEnterPressed =
      Place(new QRadioButton(QStringLiteral("Display until Enter is pressed"), gbDuration), 9, 16);
  rbSoundEnded = Place(
      new QRadioButton(QStringLiteral("Display until sound ends plus..."), gbDuration), 9, 40);
  rbTimeElapsed =
      Place(new QRadioButton(QStringLiteral("Display for specified time"), gbDuration), 9, 64);
  durationGroup = new QButtonGroup(this);
  durationGroup->addButton(rbEnterPressed, EnterPressed);
  durationGroup->addButton(rbSoundEnded, SoundEnded);
  durationGroup->addButton(rbTimeElapsed, TimeElapsed);
  seAdditional_Time = new SecondsSpinBox(gbDuration);
  seAdditional_Time->setRange(0, 120);
  seAdditional_Time->setValue(0);
  seAdditional_Time->setGeometry(36, 91, 49, 22);
  Label5 = MakeLabel(gbDuration, QStringLiteral("... seconds"), 96, 98);

  btnPreview = new QPushButton(QIcon(QStringLiteral(":/icons/arrange.svg")),
                               QStringLiteral("&Arrange Slide"), client);
  btnPreview->setIconSize(QSize(18, 18));
  btnPreview->setToolTip(QStringLiteral("Set image and caption placement"));
  btnPreview->setGeometry(405, 277, 134, 24);

  StatusBar1 = statusBar();
  StatusBar1->setSizeGripEnabled(false);
  statusText_ = new QLabel(StatusBar1);
  statusText_->setTextFormat(Qt::PlainText);
  StatusBar1->addWidget(statusText_, 1);

  // Initial states; UpdateCommandStates keeps them from here on.
  for (QWidget* w : std::initializer_list<QWidget*>{
           btnMoveUp,     btnMoveDown,       btnDelete,       btnDuplicate,    cbTransition,
           lblBox_Width,  tbBox_Width,       lblSlower,       lblFaster,       btnShowTransition,
           cbxCenter,     btnBackground,     lbBackground,    cbxShow_Caption, btnEdit_Caption,
           cbxPlay_Sound, btnPlay_Sound,     btnChange_Sound, rbEnterPressed,  rbSoundEnded,
           rbTimeElapsed, seAdditional_Time, btnPreview}) {
    w->setEnabled(false);
  }
  btnInsertBlank->setEnabled(true);

  connect(ImageListBox, &SlideStrip::UserSelectionChanged, this, [this] { ImageListBoxClick(); });
  connect(ImageListBox, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex&) { ImageListBoxDblClick(); });
  connect(ImageListBox, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { OnStripContextMenu(pos); });
}

void TSlideshowDesignForm::BuildMenus() {
  File1 = menuBar()->addMenu(QStringLiteral("F&ile"));
  Edit1 = menuBar()->addMenu(QStringLiteral("&Edit"));
  Run1 = menuBar()->addMenu(QStringLiteral("&Run"));
  Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
  File1->setObjectName(QStringLiteral("File1"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Run1->setObjectName(QStringLiteral("Run1"));
  Help1->setObjectName(QStringLiteral("Help1"));

  auto make = [this](QMenu* menu, const QString& text, const QString& icon,
                     const QKeySequence& key) {
    QAction* a = menu->addAction(text);
    if (!icon.isEmpty()) a->setIcon(QIcon(icon));
    if (!key.isEmpty()) a->setShortcut(key);
    return a;
  };
  const QString left = QStringLiteral(":/icons/move-left.svg");
  const QString right = QStringLiteral(":/icons/move-right.svg");
  const QString del = QStringLiteral(":/icons/delete.svg");
  const QString dup = QStringLiteral(":/icons/duplicate.svg");
  const QString blank = QStringLiteral(":/icons/insert-blank.svg");

  Addslides1 = make(Edit1, QStringLiteral("&Add slides"), QString(), {});
  Edit1->addSeparator();
  MoveLeft1 = make(Edit1, QStringLiteral("Move &Left"), left, QKeySequence(Qt::CTRL | Qt::Key_L));
  MoveRight1 =
      make(Edit1, QStringLiteral("Move &Right"), right, QKeySequence(Qt::CTRL | Qt::Key_R));
  Delete1 = make(Edit1, QStringLiteral("D&elete"), del, QKeySequence(Qt::Key_Delete));
  Duplicate1 = make(Edit1, QStringLiteral("Dupli&cate"), dup, QKeySequence(Qt::CTRL | Qt::Key_C));
  Edit1->addSeparator();
  InsertBlank1 =
      make(Edit1, QStringLiteral("Insert Blan&k"), blank, QKeySequence(Qt::CTRL | Qt::Key_K));

  EditPopup = new QMenu(this);
  EditPopup->setObjectName(QStringLiteral("EditPopup"));
  // Menus are windows of their own; they take the window's font as well.
  for (QMenu* menu : {File1, Edit1, Run1, Help1, EditPopup})
    menu->setAttribute(Qt::WA_WindowPropagation);
  MoveLeft2 = make(EditPopup, QStringLiteral("Move &Left"), left, {});
  MoveRight2 = make(EditPopup, QStringLiteral("Move &Right"), right, {});
  Delete2 = make(EditPopup, QStringLiteral("D&elete"), del, {});
  Duplicate2 = make(EditPopup, QStringLiteral("Dupli&cate"), dup, {});
  InsertBlank2 = make(EditPopup, QStringLiteral("Insert &Blank"), blank, {});
}

void TSlideshowDesignForm::OnStripContextMenu(const QPoint& pos) {
  EditPopup->popup(ImageListBox->viewport()->mapToGlobal(pos));
}

// ---- layout ----

void TSlideshowDesignForm::FormResize() {
  if (!ImageListBox) return;
  const int itemHeight = StripItemHeight();
  ImageListBox->SetItemHeight(itemHeight);
  const int stripHeight = itemHeight + ImageListBox->ScrollBarHeight() + 2;
  const int columns = std::max(0, (width() - kStripLeft) / CellWidth);
  const int stripWidth = CellWidth * columns + 2;
  ImageListBox->setGeometry(kStripLeft, kStripTop, stripWidth, stripHeight);

  const int y = kStripTop + stripHeight + 6;
  gbTransition->move(gbTransition->x(), y);
  gbBackground->move(gbBackground->x(), y);
  gbDuration->move(gbDuration->x(), y);
  gbCaption->move(gbCaption->x(), y + gbBackground->height() + 4);
  gbSound->move(gbSound->x(), gbCaption->y() + gbCaption->height() + 4);
  btnPreview->move(btnPreview->x(), 2 * gbDuration->y() + 8);
}

void TSlideshowDesignForm::PlaceAtBottomRight() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QRect frame = frameGeometry();
  move(area.x() + area.width() - frame.width(), area.y() + area.height() - frame.height());
}

// ---- strip primitives ----

int TSlideshowDesignForm::CurrentIndex() const {
  return ImageListBox->CurrentIndex();
}
void TSlideshowDesignForm::SetCurrentIndex(int index) {
  ImageListBox->SetCurrentIndex(index);
}
bool TSlideshowDesignForm::IsSelected(int index) const {
  return ImageListBox->IsSelected(index);
}
void TSlideshowDesignForm::SetSelected(int index, bool selected) {
  ImageListBox->SetSelected(index, selected);
}
int TSlideshowDesignForm::SelectedCount() const {
  return ImageListBox->SelectedCount();
}
void TSlideshowDesignForm::StripInserted(int index) {
  ImageListBox->ItemInserted(index);
}
void TSlideshowDesignForm::StripRemoved(int index) {
  ImageListBox->ItemRemoved(index);
}
void TSlideshowDesignForm::StripExchanged(int i, int j) {
  ImageListBox->ItemsExchanged(i, j);
}
void TSlideshowDesignForm::StripReset() {
  ImageListBox->ResetItems();
  ClearPanel();
}
void TSlideshowDesignForm::StripRepaint() {
  ImageListBox->viewport()->update();
}

QString TSlideshowDesignForm::StatusText() const {
  return statusText_->text();
}
void TSlideshowDesignForm::SetStatusText(const QString& text) {
  statusText_->setText(text);
}

// ---- panel loading and command states ----

void TSlideshowDesignForm::ImageListBoxClick() {
  SetStatusText(QString());
  const std::vector<int> selected = ImageListBox->SelectedRows();
  if (selected.empty()) return;
  const bool wasModified = document_.Modified();

  const SlideRecord& ref = document_.SlideAt(selected.front());
  bool mixCenter = false, mixCaption = false, mixEffect = false, mixBox = false, mixBack = false,
       mixPlay = false, mixSound = false, mixSeconds = false, mixMode = false;
  if (selected.size() == 1) {
    const QString path = FromCp1252(CutToCapacity(ref.PicturePath(), 255)).toLower();
    SetStatusText(ref.PictureName.empty() ? QStringLiteral("(blank)") : path);
  }
  for (size_t k = 1; k < selected.size(); ++k) {
    const SlideRecord& s = document_.SlideAt(selected[k]);
    mixCenter |= s.CenterImage != ref.CenterImage;
    mixCaption |= s.ShowCaption != ref.ShowCaption;
    mixEffect |= s.Effect != ref.Effect;
    mixBox |= s.BoxWidth != ref.BoxWidth;
    mixBack |= s.BackgroundColor != ref.BackgroundColor;
    mixPlay |= s.PlaySound != ref.PlaySound;
    mixSound |= s.SoundName != ref.SoundName;
    mixSeconds |= s.ExtraSeconds != ref.ExtraSeconds;
    mixMode |= s.DurationMode != ref.DurationMode;
  }

  {
    // Filling the controls is not an edit: their change handlers stay quiet.
    const QSignalBlocker b1(cbTransition), b2(tbBox_Width), b3(cbxCenter), b4(cbxShow_Caption),
        b5(cbxPlay_Sound), b6(rbEnterPressed), b7(rbSoundEnded), b8(rbTimeElapsed),
        b9(seAdditional_Time), b10(durationGroup), b11(lbBackground);
    auto showCheck = [](QCheckBox* box, bool mixed, uint8_t value) {
      box->setCheckState(mixed ? Qt::PartiallyChecked : (value ? Qt::Checked : Qt::Unchecked));
    };
    showCheck(cbxCenter, mixCenter, ref.CenterImage);
    showCheck(cbxShow_Caption, mixCaption, ref.ShowCaption);
    showCheck(cbxPlay_Sound, mixPlay, ref.PlaySound);
    cbTransition->setCurrentIndex(
        mixEffect || ref.Effect >= cbTransition->count() ? -1 : static_cast<int>(ref.Effect));
    tbBox_Width->setValue(mixBox ? tbBox_Width->minimum() : ref.BoxWidth);
    lbBackground->setColor(mixBack ? QColor(Qt::white) : ColorFromRecord(ref.BackgroundColor));
    lblSound_File_Name->setText(mixSound ? QString() : FromCp1252(ref.SoundName));
    if (mixSeconds) {
      seAdditional_Time->clear();
    } else {
      seAdditional_Time->setValue(ref.ExtraSeconds);
    }
    QRadioButton* const modes[] = {rbEnterPressed, rbSoundEnded, rbTimeElapsed};
    if (mixMode) {
      durationGroup->setExclusive(false);
      for (QRadioButton* r : modes) r->setChecked(false);
      durationGroup->setExclusive(true);
    } else if (ref.DurationMode <= TimeElapsed) {
      modes[ref.DurationMode]->setChecked(true);
    }
    MoveRadioTabStop(durationGroup);
    UpdateCommandStates();
  }
  document_.SetModified(wasModified);
}

void TSlideshowDesignForm::ClearPanel() {
  SetStatusText(QString());
  const QSignalBlocker b1(cbTransition), b2(tbBox_Width), b3(cbxCenter), b4(cbxShow_Caption),
      b5(cbxPlay_Sound), b6(seAdditional_Time), b7(durationGroup), b8(lbBackground);
  cbTransition->setCurrentIndex(-1);
  tbBox_Width->setValue(tbBox_Width->minimum());
  for (QCheckBox* box : {cbxCenter, cbxShow_Caption, cbxPlay_Sound})
    box->setCheckState(Qt::Unchecked);
  lbBackground->setColor(Qt::white);
  lblSound_File_Name->clear();
  seAdditional_Time->setValue(0);
  durationGroup->setExclusive(false);
  for (QAbstractButton* r : durationGroup->buttons()) r->setChecked(false);
  durationGroup->setExclusive(true);
  MoveRadioTabStop(durationGroup);
}

void TSlideshowDesignForm::UpdateCommandStates() {
  const int n = SelectedCount();
  for (QWidget* w : std::initializer_list<QWidget*>{
           cbTransition, lblBox_Width, lblSlower, lblFaster, tbBox_Width, btnBackground,
           lbBackground, rbEnterPressed, rbSoundEnded, rbTimeElapsed, seAdditional_Time, btnDelete,
           cbxCenter}) {
    w->setEnabled(n >= 1);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{cbxShow_Caption, btnShowTransition,
                                                    cbxPlay_Sound, btnPreview, btnDuplicate}) {
    w->setEnabled(n == 1);
  }
  btnInsertBlank->setEnabled(n <= 1);

  const int current = CurrentIndex();
  if (n == 1 && document_.ValidIndex(current)) {
    cbxCenter->setEnabled(document_.SlideAt(current).Thumbnail.has_value());
    btnMoveUp->setEnabled(current > 0);
    btnMoveDown->setEnabled(current < document_.Count() - 1);
    btnEdit_Caption->setEnabled(cbxShow_Caption->isChecked());
    btnPlay_Sound->setEnabled(cbxPlay_Sound->isChecked());
    btnChange_Sound->setEnabled(cbxPlay_Sound->isChecked());
  } else {
    for (QWidget* w : std::initializer_list<QWidget*>{btnMoveUp, btnMoveDown, btnEdit_Caption,
                                                      btnPlay_Sound, btnChange_Sound}) {
      w->setEnabled(false);
    }
  }
  // The menu entries follow the buttons now as well, so their shortcuts are never
  // stale between openings of the menus.
  Edit1Click();
}

void TSlideshowDesignForm::ImageListBoxDblClick() {
  if (CurrentIndex() >= 0) btnPreviewClick();
}

// ---- life cycle ----

void TSlideshowDesignForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TSlideshowDesignForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) {
    // FormShow
    setWindowTitle(QStringLiteral("Lanternreelworks!"));
    UpdateCommandStates();
  }
  PlaceOnceFrameIsKnown();
}

void TSlideshowDesignForm::PlaceOnceFrameIsKnown() {
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

void TSlideshowDesignForm::closeEvent(QCloseEvent* event) {
  // FormClose. While a slide is being arranged the stage is finished first.
  if (ArrangementStage) {
    event->ignore();
    ArrangementStage->raise();
    ArrangementStage->activateWindow();
    return;
  }
  if (QuerySaveChanges(true) == PromptAnswer::Cancel) {
    event->ignore();
    return;
  }
  event->accept();
  if (SlideshowDesignForm == this) SlideshowDesignForm = nullptr;
  emit FormClosed();
}

}  // namespace lrw
