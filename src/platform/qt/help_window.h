// The help viewer: one modeless, parentless window over the help text compiled into the
// program, with a contents page, a keyword index searched by partial keyword, and close.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <utility>
#include <vector>

#include "platform/services.h"

class QLineEdit;
class QListWidget;
class QSplitter;
class QTextBrowser;

namespace platform {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  HelpWindow();
  void showContents();
  // Shows the keyword index with the filter set to keyword and focused.
  void showIndex(const QString& keyword);
  // The keywords the filter leaves, in the order listed.
  QStringList matchingKeywords(const QString& filter) const;
  // Opens the topic of a keyword (exact, case-insensitive); false when there is none.
  bool openKeyword(const QString& keyword);
  QTextBrowser* browser() const { return browser_; }
  QLineEdit* filterBox() const { return filter_; }
  QListWidget* keywordList() const { return list_; }
  // Where a window of the given outer size opens beside the anchor (the window the user
  // works in) on its screen: to the right where there is room, else to the left, else
  // overlapping its right part, always inside the screen.
  static QPoint besidePosition(const QRect& anchor, const QSize& size, const QRect& screen);

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void refill();
  std::vector<std::pair<QString, QString>> keywords_;  // keyword, topic
  QTextBrowser* browser_;
  QWidget* index_;
  QSplitter* split_;
  QLineEdit* filter_;
  QListWidget* list_;
};

class QtHelp : public Help {
 public:
  ~QtHelp() override;
  void contents() override;
  void search(std::string_view keyword) override;
  void quit() override;
  // The window, or nullptr when it has not been opened yet.
  HelpWindow* window() const { return window_; }

 private:
  HelpWindow& ensure();
  QPointer<HelpWindow> window_;
};

}  // namespace platform
