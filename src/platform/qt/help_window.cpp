#include "platform/qt/help_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QKeyEvent>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextStream>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/latin1.h"

// The help text lives in a static library: its resource must be registered by hand.
static void initHelpResource() { Q_INIT_RESOURCE(help); }

namespace platform {

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
  initHelpResource();
  setObjectName("HelpWindow");
  setWindowTitle(QString("%1 Help").arg(kProgramTitle));
  resize(760, 560);

  auto* contents = new QPushButton("&Contents", this);
  contents->setObjectName("cmdContents");
  auto* search = new QPushButton("&Search", this);
  search->setObjectName("cmdSearch");
  auto* back = new QPushButton("&Back", this);
  back->setObjectName("cmdBack");
  auto* close = new QPushButton("C&lose", this);
  close->setObjectName("cmdClose");

  index_ = new QWidget(this);
  index_->setObjectName("index");
  filter_ = new QLineEdit(index_);
  filter_->setObjectName("txtKeyword");
  list_ = new QListWidget(index_);
  list_->setObjectName("lstKeywords");
  auto* indexLayout = new QVBoxLayout(index_);
  indexLayout->setContentsMargins(0, 0, 0, 0);
  indexLayout->addWidget(new QLabel("Type the first letters of a keyword:", index_));
  indexLayout->addWidget(filter_);
  indexLayout->addWidget(list_);

  browser_ = new QTextBrowser(this);
  browser_->setObjectName("browser");
  browser_->setOpenExternalLinks(false);
  browser_->setSearchPaths({":/help"});

  split_ = new QSplitter(this);
  split_->addWidget(index_);
  split_->addWidget(browser_);
  split_->setStretchFactor(1, 3);
  split_->setChildrenCollapsible(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(search);
  buttons->addWidget(back);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(split_);

  QFile file(":/help/keywords.txt");
  if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    QTextStream in(&file);
    while (!in.atEnd()) {
      const QString line = in.readLine().trimmed();
      const int bar = line.indexOf('|');
      if (line.isEmpty() || line.startsWith('#') || bar <= 0) continue;
      keywords_.emplace_back(line.left(bar).trimmed(), line.mid(bar + 1).trimmed());
    }
  }

  connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
  connect(search, &QPushButton::clicked, this, [this] { showIndex(filter_->text()); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(filter_, &QLineEdit::textChanged, this, [this] { refill(); });
  connect(filter_, &QLineEdit::returnPressed, this, [this] {
    if (list_->count() > 0) openKeyword(list_->item(0)->text());
  });
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { openKeyword(item->text()); });
  connect(list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { openKeyword(item->text()); });

  index_->hide();
  refill();
  browser_->setSource(QUrl("qrc:/help/contents.html"));
}

void HelpWindow::keyPressEvent(QKeyEvent* e) {
  // Esc closes the help as its Close button does, wherever the focus is.
  if (e->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(e);
}

void HelpWindow::showContents() {
  index_->hide();
  browser_->setSource(QUrl("qrc:/help/contents.html"));
}

void HelpWindow::showIndex(const QString& keyword) {
  index_->show();
  const QList<int> sizes = split_->sizes();
  if (sizes.value(0) < 150) {
    const int total = sizes.value(0) + sizes.value(1);
    split_->setSizes({220, std::max(200, total - 220)});
  }
  filter_->setText(keyword);
  refill();
  filter_->setFocus();
}

QStringList HelpWindow::matchingKeywords(const QString& filter) const {
  const QString f = filter.trimmed();
  QStringList starts, inside;
  for (const auto& [word, topic] : keywords_) {
    if (f.isEmpty() || word.startsWith(f, Qt::CaseInsensitive))
      starts << word;
    else if (word.contains(f, Qt::CaseInsensitive))
      inside << word;
  }
  return starts + inside;
}

bool HelpWindow::openKeyword(const QString& keyword) {
  for (const auto& [word, topic] : keywords_)
    if (word.compare(keyword, Qt::CaseInsensitive) == 0) {
      browser_->setSource(QUrl("qrc:/help/" + topic));
      return true;
    }
  return false;
}

QPoint HelpWindow::besidePosition(const QRect& anchor, const QSize& size, const QRect& screen) {
  const int gap = 8;
  int x = anchor.right() + 1 + gap;
  if (x + size.width() > screen.right() + 1) {
    x = anchor.left() - gap - size.width();
    if (x < screen.left()) x = anchor.left() + anchor.width() / 3;
  }
  x = std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - size.width()));
  const int y = std::clamp(anchor.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()));
  return {x, y};
}

void HelpWindow::refill() {
  list_->clear();
  list_->addItems(matchingKeywords(filter_->text()));
}

QtHelp::~QtHelp() {
  if (window_ && QCoreApplication::instance()) delete window_.data();
}

HelpWindow& QtHelp::ensure() {
  if (!window_) {
    // Opened beside the window the user asked from, not at the screen's corner; where
    // the user moves it afterwards it stays.
    QWidget* anchor = QApplication::activeWindow();
    window_ = new HelpWindow;
    if (anchor) {
      const QScreen* screen = anchor->screen();
      const QRect area = screen ? screen->availableGeometry() : anchor->frameGeometry();
      window_->move(HelpWindow::besidePosition(anchor->frameGeometry(), window_->size(), area));
    }
  }
  return *window_;
}

void QtHelp::contents() {
  HelpWindow& w = ensure();
  w.showContents();
  w.show();
  w.raise();
  w.activateWindow();
}

void QtHelp::search(std::string_view keyword) {
  HelpWindow& w = ensure();
  w.show();
  w.raise();
  w.activateWindow();
  w.showIndex(fromLatin1(keyword));
}

void QtHelp::quit() {
  if (window_) window_->close();
}

}  // namespace platform
