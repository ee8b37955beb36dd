#include "platform/QtDialogs.h"

#include "platform/ColorNames.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdlib>
#include <limits>

namespace lrw {

namespace {

// The descriptions the program's filters use, for the translators; a description not
// listed here shows as written.
[[maybe_unused]] constexpr const char* kFilterDescriptions[] = {
    QT_TRANSLATE_NOOP("lrw::FileTypes", "All Slideshow Files"),
    QT_TRANSLATE_NOOP("lrw::FileTypes", "Local Slideshow Files"),
    QT_TRANSLATE_NOOP("lrw::FileTypes", "Portable Slideshow Files"),
    QT_TRANSLATE_NOOP("lrw::FileTypes", "Local Slide Shows"),
    QT_TRANSLATE_NOOP("lrw::FileTypes", "Portable Slide Shows"),
    QT_TRANSLATE_NOOP("lrw::FileTypes", "Image Files"),
    QT_TRANSLATE_NOOP("lrw::FileTypes", "Sound files"),
    QT_TRANSLATE_NOOP("lrw::FileTypes", "All sound files"),
    QT_TRANSLATE_NOOP("lrw::FileTypes", "Lanternreelworks 4.0 show"),
    QT_TRANSLATE_NOOP("lrw::FileTypes", "MP4 video"),
    QT_TRANSLATE_NOOP("lrw::FileTypes", "Matroska video"),
    QT_TRANSLATE_NOOP("lrw::FileTypes", "WebM video"),
};

}  // namespace

QString QtFilterFromPipes(const QString& pipes) {
  const QStringList parts = pipes.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString text = parts[i].trimmed();
    // Descriptions often repeat their patterns, "Pictures (*.bmp;*.jpg)"; Qt reads the
    // patterns from the last parenthesis, so the old one is replaced, not doubled.
    static const QRegularExpression kTrailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    text.remove(kTrailingPatterns);
    text = QCoreApplication::translate("lrw::FileTypes", text.toUtf8().constData());
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns) p = p.trimmed();
    filters << QStringLiteral("%1 (%2)").arg(text, patterns.join(QLatin1Char(' ')));
  }
  return filters.join(QStringLiteral(";;"));
}

namespace {

void Prepare(QFileDialog& d, const FileDialogOptions& o) {
  if (!o.title.isEmpty()) d.setWindowTitle(o.title);
  const QString filter = QtFilterFromPipes(o.filter);
  if (!filter.isEmpty()) d.setNameFilter(filter);
  if (!o.defaultSuffix.isEmpty()) d.setDefaultSuffix(o.defaultSuffix);
  if (!o.directory.isEmpty()) d.setDirectory(o.directory);
  if (!o.fileName.isEmpty()) {
    // A preset path opens the dialog in its own folder.
    const QFileInfo info(o.fileName);
    if (!info.path().isEmpty() && info.path() != QStringLiteral(".")) d.setDirectory(info.path());
    d.selectFile(info.fileName());
  }
}

QIcon SwatchIcon(const QColor& color, const QSize& size) {
  QPixmap pixmap(size);
  pixmap.fill(color);
  QPainter p(&pixmap);
  p.setPen(QColor(128, 128, 128));
  p.drawRect(0, 0, size.width() - 1, size.height() - 1);
  return QIcon(pixmap);
}

// The face's own name of the style nearest to the font's weight and slant. The font
// dialog looks styles up by name, and a generic name such as "Normal" that the face
// does not use would leave it on the face's first style, an oblique or condensed one as
// often as not.
QString NearestStyle(const QFont& font) {
  QString best;
  int bestScore = std::numeric_limits<int>::max();
  const bool slanted = font.style() != QFont::StyleNormal;
  for (const QString& style : QFontDatabase::styles(font.family())) {
    // Oblique faces count as slanted too (the database's italic() only knows italic).
    const QFont face = QFontDatabase::font(font.family(), style, 12);
    const int score = std::abs(face.weight() - font.weight()) +
                      ((face.style() != QFont::StyleNormal) != slanted ? 10000 : 0);
    // Among equals the plainest, which has the shortest name ("Book", not "Condensed").
    if (score < bestScore || (score == bestScore && style.size() < best.size())) {
      bestScore = score;
      best = style;
    }
  }
  return best;
}

// A font dialog with a colour button: captions need both, and one dialog keeps
// the choice together (Cancel drops both).
class FontAndColorDialog : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(lrw::FontAndColorDialog)

 public:
  FontAndColorDialog(QWidget* parent, const QFont& font, const QColor& color)
      : QDialog(parent), color_(color) {
    setWindowTitle(tr("Font"));
    // A family name this desktop lacks stands for the face it resolves to; presetting
    // that face offers its real styles (bold among them) instead of an alias's.
    QFont preset = font;
    if (!QFontDatabase::hasFamily(preset.family())) preset.setFamily(QFontInfo(font).family());
    preset.setStyleName(NearestStyle(preset));
    fonts_ = new QFontDialog(preset, this);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons);
    // Embedded, its own resize grip would sit in the middle of this dialog.
    fonts_->setSizeGripEnabled(false);
    // Esc (or Enter) in the font lists would only close the embedded chooser and leave
    // an empty dialog: they answer for the whole dialog instead.
    connect(fonts_, &QDialog::rejected, this, &QDialog::reject);
    connect(fonts_, &QDialog::accepted, this, &QDialog::accept);
    auto* colorRow = new QHBoxLayout;
    auto* colorLabel = new QLabel(tr("C&olor:"), this);
    colorRow->addWidget(colorLabel);
    swatch_ = new QPushButton(this);
    swatch_->setObjectName(QStringLiteral("fontColor"));
    swatch_->setFixedSize(64, 22);
    colorLabel->setBuddy(swatch_);
    connect(swatch_, &QPushButton::clicked, this, [this] {
      BasicColorDialog colors(color_, this);
      if (colors.exec() == QDialog::Accepted) {
        color_ = colors.color();
        ShowColor();
      }
    });
    colorRow->addWidget(swatch_);
    colorRow->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    ShowColor();
  }

  QFont font() const { return fonts_->currentFont(); }
  QColor color() const { return color_; }

 private:
  void ShowColor() {
    // The colour as the button's picture: a style sheet would take the style's own focus
    // frame away, and on a dark theme nothing else shows where the focus is.
    swatch_->setIcon(SwatchIcon(color_, swatch_->size() - QSize(16, 8)));
    swatch_->setIconSize(swatch_->size() - QSize(16, 8));
    swatch_->setAccessibleName(tr("Color: %1").arg(ColorName(color_)));
  }

  QFontDialog* fonts_ = nullptr;
  QPushButton* swatch_ = nullptr;
  QColor color_;
};

}  // namespace

BasicColorDialog::BasicColorDialog(const QColor& initial, QWidget* parent)
    : QDialog(parent), color_(initial) {
  setWindowTitle(tr("Color"));
  setObjectName(QStringLiteral("BasicColorDialog"));
  auto* grid = new QGridLayout;
  grid->setSpacing(4);
  swatches_ = new QButtonGroup(this);
  swatches_->setExclusive(true);
  QAbstractButton* initialSwatch = nullptr;
  for (int i = 0; i < kRows * kColumns; ++i) {
    const QColor c = QColorDialog::standardColor(i);
    auto* b = new QToolButton(this);
    b->setCheckable(true);
    b->setIcon(SwatchIcon(c, QSize(20, 16)));
    b->setIconSize(QSize(20, 16));
    b->setToolTip(ColorName(c));
    b->setAccessibleName(ColorName(c));
    swatches_->addButton(b, i);
    // Column by column, as the toolkit's own colour grid orders them.
    grid->addWidget(b, i % kRows, i / kRows);
    if (!initialSwatch && c.rgb() == initial.rgb()) initialSwatch = b;
  }
  if (initialSwatch) initialSwatch->setChecked(true);
  connect(swatches_, &QButtonGroup::idClicked, this,
          [this](int id) { color_ = QColorDialog::standardColor(id); });

  auto* label = new QLabel(tr("&Basic colors:"), this);
  label->setBuddy(initialSwatch ? initialSwatch : swatches_->button(0));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(grid);
  layout->addSpacing(6);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  (initialSwatch ? initialSwatch : swatches_->button(0))->setFocus();
}

QAbstractButton* BasicColorDialog::Swatch(int index) const {
  return swatches_->button(index);
}

std::optional<QString> QtDialogs::OpenFile(QWidget* parent, const FileDialogOptions& o) {
  QFileDialog d(parent);
  d.setAcceptMode(QFileDialog::AcceptOpen);
  d.setFileMode(QFileDialog::ExistingFile);
  Prepare(d, o);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  return d.selectedFiles().front();
}

std::optional<QStringList> QtDialogs::OpenFiles(QWidget* parent, const FileDialogOptions& o) {
  QFileDialog d(parent);
  d.setAcceptMode(QFileDialog::AcceptOpen);
  d.setFileMode(QFileDialog::ExistingFiles);
  Prepare(d, o);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  return d.selectedFiles();
}

std::optional<QString> QtDialogs::SaveFile(QWidget* parent, const FileDialogOptions& o) {
  QFileDialog d(parent);
  d.setAcceptMode(QFileDialog::AcceptSave);
  d.setFileMode(QFileDialog::AnyFile);
  d.setOption(QFileDialog::DontConfirmOverwrite, !o.overwritePrompt);
  Prepare(d, o);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  if (o.chosenFilter)
    *o.chosenFilter =
        static_cast<int>(std::max<qsizetype>(0, d.nameFilters().indexOf(d.selectedNameFilter())));
  return d.selectedFiles().front();
}

std::optional<QColor> QtDialogs::ChooseColor(QWidget* parent, const QColor& initial) {
  BasicColorDialog d(initial, parent);
  if (d.exec() != QDialog::Accepted) return std::nullopt;
  return d.color();
}

std::optional<QFont> QtDialogs::ChooseFont(QWidget* parent, const QFont& initial,
                                           const QColor& initialColor, QColor* chosenColor) {
  FontAndColorDialog d(parent, initial, initialColor);
  if (d.exec() != QDialog::Accepted) return std::nullopt;
  if (chosenColor) *chosenColor = d.color();
  return d.font();
}

}  // namespace lrw
