// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/HelpViewer.h"

#include "core/platform/FileIO.h"
#include "ui/art/Artwork.h"
#include "ui/art/Palette.h"
#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/FocusRing.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace tarvelin
{

namespace
{

constexpr qsizetype kMaxHelpFileBytes = qsizetype{8} * 1024 * 1024;

// Pages, pictures and the style sheet are read through the door: a FIFO or a device among them
// is refused at once instead of holding the window.
QByteArray helpFileBytes(const QString& path)
{
    const FileContents contents = readWholeFile(path, kMaxHelpFileBytes);
    return contents.ok ? contents.bytes : QByteArray();
}

class HelpPageBrowser final : public QTextBrowser
{
public:
    QVariant loadResource(int type, const QUrl& name) override
    {
        if (name.isLocalFile())
            return helpFileBytes(name.toLocalFile());
        if (name.isRelative()) {
            if (source().isLocalFile())
                return helpFileBytes(source().resolved(name).toLocalFile());
            if (!searchPaths().isEmpty())
                return helpFileBytes(QDir(searchPaths().constFirst()).filePath(name.path()));
        }
        return QTextBrowser::loadResource(type, name);
    }
};

} // namespace

namespace
{

QPushButton* toolButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(text);
    return button;
}

} // namespace

HelpViewer::HelpViewer(const QString& helpDirectory, QWidget* parent)
    : QWidget(parent), directory_(helpDirectory)
{
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(QStringLiteral("Tarvelin Setup Utility Help"));
    setAccessibleName(windowTitle());
    setWindowIcon(art::applicationIcon());
    topics_ = readHelpTopics(directory_);
    keywords_ = helpKeywords(topics_);
    buildControls();
    fillContents();
    filterKeywords(QString());
    resize(820, 560);
}

void HelpViewer::buildControls()
{
    auto* back = toolButton(this, "helpBack", QStringLiteral("Back"));
    auto* forward = toolButton(this, "helpForward", QStringLiteral("Forward"));
    auto* home = toolButton(this, "helpHome", QStringLiteral("Contents"));
    auto* tools = new QHBoxLayout;
    tools->addWidget(back);
    tools->addWidget(forward);
    tools->addWidget(home);
    tools->addStretch(1);

    contents_ = new QListWidget;
    contents_->setObjectName(QStringLiteral("helpContents"));
    contents_->setAccessibleName(QStringLiteral("Help topics"));

    auto* search = new QWidget;
    keyword_ = new QLineEdit;
    keyword_->setObjectName(QStringLiteral("helpKeyword"));
    keyword_->setAccessibleName(QStringLiteral("Keyword to look up"));
    keyword_->setPlaceholderText(QStringLiteral("Type the first letters of a word"));
    matches_ = new QListWidget;
    matches_->setObjectName(QStringLiteral("helpKeywords"));
    matches_->setAccessibleName(QStringLiteral("Keywords"));
    auto* display = toolButton(search, "helpDisplay", QStringLiteral("Display"));
    auto* searchLayout = new QVBoxLayout(search);
    searchLayout->addWidget(new QLabel(QStringLiteral("Type the word you are looking for:")));
    searchLayout->addWidget(keyword_);
    searchLayout->addWidget(matches_, 1);
    searchLayout->addWidget(display);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("helpTabs"));
    tabs_->setAccessibleName(QStringLiteral("Help contents and search"));
    tabs_->addTab(contents_, QStringLiteral("Contents"));
    tabs_->addTab(search, QStringLiteral("Search"));

    page_ = new HelpPageBrowser;
    page_->setObjectName(QStringLiteral("helpPage"));
    page_->setAccessibleName(QStringLiteral("Help page"));
    page_->setSearchPaths({directory_});
    // One style for every page, kept beside them.
    page_->document()->setDefaultStyleSheet(
        QString::fromUtf8(helpFileBytes(QDir(directory_).filePath(QStringLiteral("help.css")))));
    page_->setOpenLinks(true);
    page_->setOpenExternalLinks(false);

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 580});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(splitter, 1);

    // The help keeps the desktop's light look; its focus shows in a dark blue that stands out
    // from it: the edge of the lists, the field and the page, a ring around the buttons. The
    // sheet stays on the splitter: on the window it would pass to the about window it owns.
    splitter->setStyleSheet(art::paletteStyleSheet(
        QStringLiteral("QListWidget:focus, QLineEdit:focus, QTextBrowser:focus {"
                       " border: 2px solid $focusRingOnLight; }")));
    for (QPushButton* button : {back, forward, home, display})
        ringOnFocus(button, art::kFocusRingOnLight);

    connect(back, &QPushButton::clicked, page_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, page_, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, &HelpViewer::showContents);
    connect(page_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(page_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openPage(item->data(Qt::UserRole).toString()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openPage(item->data(Qt::UserRole).toString()); });
    connect(keyword_, &QLineEdit::textChanged, this, &HelpViewer::filterKeywords);
    connect(keyword_, &QLineEdit::returnPressed, this, &HelpViewer::openSelectedKeyword);
    connect(matches_, &QListWidget::itemActivated, this, &HelpViewer::openSelectedKeyword);
    connect(matches_, &QListWidget::itemDoubleClicked, this, &HelpViewer::openSelectedKeyword);
    connect(display, &QPushButton::clicked, this, &HelpViewer::openSelectedKeyword);
    closeOnEscape(this);
}

void HelpViewer::fillContents()
{
    for (const HelpTopic& topic : topics_) {
        auto* item = new QListWidgetItem(topic.title, contents_);
        item->setData(Qt::UserRole, topic.file);
    }
    if (topics_.isEmpty())
        page_->setHtml(QStringLiteral("<h2>The help pages are missing</h2><p>They belong in "
                                      "<code>data/help</code> beside the program, or in "
                                      "<code>share/tarvelin-setup-utility/help</code> where it "
                                      "is installed.</p>"));
}

void HelpViewer::filterKeywords(const QString& typed)
{
    shownKeywords_ = matchKeywords(keywords_, typed);
    matches_->clear();
    for (const HelpKeyword& keyword : shownKeywords_) {
        auto* item = new QListWidgetItem(keyword.keyword, matches_);
        item->setToolTip(keyword.title);
    }
    if (!shownKeywords_.isEmpty())
        matches_->setCurrentRow(0);
}

void HelpViewer::openSelectedKeyword()
{
    const int row = matches_->currentRow();
    if (row >= 0 && row < shownKeywords_.size())
        openPage(shownKeywords_[row].file);
}

void HelpViewer::showContents()
{
    tabs_->setCurrentIndex(0);
    openPage(QString::fromLatin1(kHelpContentsPage));
    contents_->setFocus();
}

void HelpViewer::showSearch(const QString& keyword)
{
    tabs_->setCurrentIndex(1);
    keyword_->setText(keyword);
    filterKeywords(keyword);
    keyword_->setFocus();
    if (page_->source().isEmpty())
        openPage(QString::fromLatin1(kHelpContentsPage));
}

void HelpViewer::openPage(const QString& file)
{
    if (topics_.isEmpty())
        return;
    page_->setSource(QUrl::fromLocalFile(QDir(directory_).filePath(file)));
}

QString HelpViewer::currentPage() const
{
    return page_->source().fileName();
}

} // namespace tarvelin
