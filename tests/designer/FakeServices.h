// Fake prompts and dialogs for the designer's window tests: they record what was
// asked and give scripted answers.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/DesignerServices.h"
#include "platform/Dialogs.h"
#include "platform/Prompts.h"
#include "support/FakePrompts.h"

namespace lrw::test {

class FakeDialogs : public Dialogs {
 public:
  struct FontAnswer {
    std::optional<QFont> font;
    QColor color;
  };

  // Scripted results, taken in order; an empty queue answers as Cancel.
  std::deque<std::optional<QString>> openFileResults;
  std::deque<std::optional<QStringList>> openFilesResults;
  std::deque<std::optional<QString>> saveFileResults;
  std::deque<std::optional<QColor>> colorResults;
  std::deque<FontAnswer> fontResults;

  // What the code asked for.
  std::vector<FileDialogOptions> openFileRequests;
  std::vector<FileDialogOptions> openFilesRequests;
  std::vector<FileDialogOptions> saveFileRequests;
  std::vector<QColor> colorRequests;
  std::vector<std::pair<QFont, QColor>> fontRequests;

  std::optional<QString> OpenFile(QWidget*, const FileDialogOptions& o) override {
    openFileRequests.push_back(o);
    return Take(openFileResults);
  }
  std::optional<QStringList> OpenFiles(QWidget*, const FileDialogOptions& o) override {
    openFilesRequests.push_back(o);
    return Take(openFilesResults);
  }
  std::deque<int> saveFilterResults;  // the file type chosen (else the first)
  std::optional<QString> SaveFile(QWidget*, const FileDialogOptions& o) override {
    saveFileRequests.push_back(o);
    if (o.chosenFilter) *o.chosenFilter = saveFilterResults.empty() ? 0 : saveFilterResults.front();
    if (!saveFilterResults.empty()) saveFilterResults.pop_front();
    return Take(saveFileResults);
  }
  std::optional<QColor> ChooseColor(QWidget*, const QColor& initial) override {
    colorRequests.push_back(initial);
    return Take(colorResults);
  }
  std::optional<QFont> ChooseFont(QWidget*, const QFont& initial, const QColor& initialColor,
                                  QColor* chosenColor) override {
    fontRequests.emplace_back(initial, initialColor);
    if (fontResults.empty()) return std::nullopt;
    FontAnswer a = fontResults.front();
    fontResults.pop_front();
    if (a.font && chosenColor) *chosenColor = a.color;
    return a.font;
  }

 private:
  template <typename T>
  static std::optional<T> Take(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    std::optional<T> r = queue.front();
    queue.pop_front();
    return r;
  }
};

// Prompts, dialogs and a 1024 x 768 screen for one form under test.
struct FakeServices {
  FakePrompts prompts;
  FakeDialogs dialogs;
  QSize screenSize{1024, 768};

  DesignerServices services() { return DesignerServices{prompts, dialogs, screenSize}; }
};

}  // namespace lrw::test
