#include "platform/toolkit/ShellViews.h"

#include "platform/desktop/Desktop.h"
#include "platform/fs/Attributes.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDropEvent>
#include <QFileIconProvider>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QLocale>
#include <QMimeDatabase>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStackedLayout>
#include <QStyledItemDelegate>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace {

// "/a/b/" -> "/a/b"; "/" stays "/"; an empty or relative path gives "".
QString normalFolder(const QString &path)
{
    return path.startsWith(u'/') ? fs::withoutTrailingSlash(path) : QString();
}

// True when path is folder itself or lies below it.
bool isAtOrBelow(const QString &path, const QString &folder)
{
    if (folder == u"/")
        return path.startsWith(u'/');
    return path == folder || (path.startsWith(folder) && path.at(folder.size()) == u'/');
}

QString homeFolder()
{
    return normalFolder(qEnvironmentVariable("HOME"));
}

QIcon folderIcon()
{
    static const QIcon icon = QFileIconProvider().icon(QFileIconProvider::Folder);
    return icon;
}

QIcon fileIcon()
{
    static const QIcon icon = QFileIconProvider().icon(QFileIconProvider::File);
    return icon;
}

// The private type of the program's drags.
const QString ShellDragType = QStringLiteral("application/x-corvexpro-shell-items");

QDateTime toQDateTime(TDateTime value)
{
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
    return epoch.addMSecs(qint64(std::llround(value * 86400000.0)));
}

} // namespace

TShellDragData::TShellDragData(QWidget *source) : source_(source)
{
    setData(ShellDragType, QByteArray());
}

const TShellDragData *TShellDragData::of(const QMimeData *data)
{
    return qobject_cast<const TShellDragData *>(data);
}

// ---------------------------------------------------------------------------
// Folder tree model: nodes are read lazily (fetchMore) and only again on request.

class TShellTreeModel : public QAbstractItemModel {
public:
    struct Node {
        QString path;
        QString label;
        Node *parent = nullptr;
        std::vector<std::unique_ptr<Node>> children;
        bool populated = false;
        bool isTop = false;
        int row = 0;
    };

    explicit TShellTreeModel(QObject *parent) : QAbstractItemModel(parent)
    {
        const QString home = homeFolder();
        if (!home.isEmpty() && home != u"/" && fs::isFolder(home))
            addTop(home, home, QApplication::style()->standardIcon(QStyle::SP_DirHomeIcon));
        addTop(QStringLiteral("/"), QStringLiteral("/"),
               QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon));
    }

    bool showHidden = false;
    std::function<bool(const QString &)> canEdit;
    std::function<void(const QString &path, const QString &text)> renamed;

    Node *nodeOf(const QModelIndex &index) const
    {
        return index.isValid() ? static_cast<Node *>(index.internalPointer()) : nullptr;
    }

    QModelIndex indexOf(const Node *node) const
    {
        return node ? createIndex(node->row, 0, const_cast<Node *>(node)) : QModelIndex();
    }

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override
    {
        const auto &list = childrenOf(nodeOf(parent));
        if (column != 0 || row < 0 || row >= int(list.size()))
            return {};
        return createIndex(row, 0, list[size_t(row)].get());
    }

    QModelIndex parent(const QModelIndex &child) const override
    {
        const Node *n = nodeOf(child);
        return n ? indexOf(n->parent) : QModelIndex();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        if (parent.column() > 0)
            return 0;
        return int(childrenOf(nodeOf(parent)).size());
    }

    int columnCount(const QModelIndex & = {}) const override { return 1; }

    bool hasChildren(const QModelIndex &parent = {}) const override
    {
        const Node *n = nodeOf(parent);
        if (!n)
            return !tops_.empty();
        return !n->populated || !n->children.empty();
    }

    bool canFetchMore(const QModelIndex &parent) const override
    {
        const Node *n = nodeOf(parent);
        return n && !n->populated;
    }

    void fetchMore(const QModelIndex &parent) override
    {
        if (Node *n = nodeOf(parent))
            populate(n);
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const Node *n = nodeOf(index);
        if (!n)
            return {};
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return n->label;
        case Qt::DecorationRole:
            return n->isTop ? topIcons_[size_t(n->row)] : folderIcon();
        case Qt::ToolTipRole:
            return n->path;
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        Qt::ItemFlags f = QAbstractItemModel::flags(index);
        if (const Node *n = nodeOf(index); n && !n->isTop && canEdit)
            f |= Qt::ItemIsEditable;
        return index.isValid() ? f | Qt::ItemIsDragEnabled : f;
    }

    QStringList mimeTypes() const override { return {ShellDragType}; }
    QMimeData *mimeData(const QModelIndexList &) const override
    {
        return new TShellDragData(qobject_cast<QWidget *>(QObject::parent()));
    }

    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        const Node *n = nodeOf(index);
        if (!n || n->isTop || role != Qt::EditRole || !renamed)
            return false;
        renamed(n->path, value.toString());
        return true;
    }

    // The node of an existing folder, reading the levels on the way; nullptr when the
    // folder does not exist.
    Node *find(const QString &folder)
    {
        Node *top = nullptr;
        for (const auto &t : tops_)
            if (isAtOrBelow(folder, t->path) && (!top || t->path.size() > top->path.size()))
                top = t.get();
        if (!top)
            return nullptr;
        Node *n = top;
        while (n->path != folder) {
            populate(n);
            const qsizetype start = n->path == u"/" ? 1 : n->path.size() + 1;
            const qsizetype end = folder.indexOf(u'/', start);
            const QString name = folder.mid(start, end < 0 ? -1 : end - start);
            Node *next = nullptr;
            for (const auto &c : n->children)
                if (c->label == name) {
                    next = c.get();
                    break;
                }
            if (!next) {
                // A folder that the listing left out (hidden) but that is asked for.
                const QString p = fs::joinPath(n->path, name);
                if (name.isEmpty() || name == u"." || name == u".." || !fs::isFolder(p))
                    return nullptr;
                beginInsertRows(indexOf(n), int(n->children.size()), int(n->children.size()));
                next = append(n, p, name);
                endInsertRows();
            }
            n = next;
        }
        return n;
    }

    // The node of folder when it is loaded already; nullptr otherwise.
    Node *findLoaded(const QString &folder) const
    {
        for (const auto &t : tops_) {
            if (!isAtOrBelow(folder, t->path))
                continue;
            const Node *n = t.get();
            while (n && n->path != folder) {
                const Node *next = nullptr;
                for (const auto &c : n->children)
                    if (isAtOrBelow(folder, c->path)) {
                        next = c.get();
                        break;
                    }
                n = next;
            }
            if (n)
                return const_cast<Node *>(n);
        }
        return nullptr;
    }

    void reread(Node *n)
    {
        if (!n->populated)
            return;
        if (!n->children.empty()) {
            beginRemoveRows(indexOf(n), 0, int(n->children.size()) - 1);
            n->children.clear();
            endRemoveRows();
        }
        n->populated = false;
        populate(n);
    }

private:
    const std::vector<std::unique_ptr<Node>> &childrenOf(const Node *n) const
    {
        return n ? n->children : tops_;
    }

    void addTop(const QString &path, const QString &label, const QIcon &icon)
    {
        auto n = std::make_unique<Node>();
        n->path = path;
        n->label = label;
        n->isTop = true;
        n->row = int(tops_.size());
        tops_.push_back(std::move(n));
        topIcons_.push_back(icon);
    }

    Node *append(Node *parent, const QString &path, const QString &label)
    {
        auto c = std::make_unique<Node>();
        c->path = path;
        c->label = label;
        c->parent = parent;
        c->row = int(parent->children.size());
        parent->children.push_back(std::move(c));
        return parent->children.back().get();
    }

    void populate(Node *n)
    {
        if (n->populated)
            return;
        n->populated = true;
        std::vector<std::pair<QString, QString>> found;
        for (const fs::Entry &e : fs::listFolder(n->path))
            if (e.isFolder && (showHidden || !e.isHidden))
                found.emplace_back(fs::joinPath(n->path, e.name), e.name);
        if (found.empty())
            return;
        beginInsertRows(indexOf(n), 0, int(found.size()) - 1);
        for (auto &[path, name] : found)
            append(n, path, name);
        endInsertRows();
    }

    std::vector<std::unique_ptr<Node>> tops_;
    std::vector<QIcon> topIcons_;
};

// ---------------------------------------------------------------------------
// File list model: the entries of one folder, read at once.

class TShellListModel : public QAbstractTableModel {
public:
    explicit TShellListModel(QObject *parent) : QAbstractTableModel(parent) {}

    struct Item {
        QString name;
        bool isFolder = false;
        bool isHidden = false;
    };
    struct Details {
        std::optional<qint64> size;
        QDateTime written;
    };

    QString folder;
    std::vector<Item> items;
    QString captions[4];
    std::function<QString(qint64)> sizeText;

    QString pathOf(int row) const { return fs::joinPath(folder, items[size_t(row)].name); }

    void replace(const QString &newFolder, std::vector<Item> newItems)
    {
        beginResetModel();
        folder = newFolder;
        items = std::move(newItems);
        details_.clear();
        widestFont_.clear();
        endResetModel();
    }

    // The row of the widest name in font, -1 when there are no items; kept until the
    // items or the font change. Each name's width is estimated from a table of its
    // characters' advances; only the few names whose estimate comes near the largest
    // are laid out as text, so a folder of 100,000 names costs one pass over them.
    int widestRow(const QFont &font) const
    {
        const QString key = font.key();
        if (key == widestFont_)
            return widestRow_;
        widestFont_ = key;
        widestRow_ = -1;
        if (items.empty())
            return widestRow_;
        const QFontMetrics metrics(font);
        std::vector<int> advance(size_t(0x10000), -1);
        std::vector<std::pair<int, int>> estimates; // (estimate, row)
        estimates.reserve(items.size());
        for (size_t row = 0; row < items.size(); ++row) {
            int width = 0;
            for (QChar c : items[row].name) {
                int &a = advance[c.unicode()];
                if (a < 0)
                    a = metrics.horizontalAdvance(c);
                width += a;
            }
            estimates.emplace_back(width, int(row));
        }
        // Kerning and shaping move a name's width a little from its estimate: every name
        // within an eighth (and two average characters) of the largest estimate is a
        // candidate, the widest 64 of them are measured.
        constexpr size_t Measured = 64;
        const size_t count = std::min(Measured, estimates.size());
        std::partial_sort(estimates.begin(), estimates.begin() + qsizetype(count), estimates.end(), std::greater<>());
        const int largest = estimates.front().first;
        const int threshold = largest - largest / 8 - 2 * metrics.averageCharWidth();
        int widest = -1;
        for (size_t i = 0; i < count && estimates[i].first >= threshold; ++i) {
            const int row = estimates[i].second;
            const int width = metrics.horizontalAdvance(items[size_t(row)].name);
            if (width > widest) {
                widest = width;
                widestRow_ = row;
            }
        }
        return widestRow_;
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(items.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 4; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= int(items.size()))
            return {};
        const Item &it = items[size_t(index.row())];
        if (role == Qt::DecorationRole && index.column() == 0)
            return it.isFolder ? folderIcon() : fileIcon();
        if (role == Qt::ToolTipRole)
            return pathOf(index.row());
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case 0:
            return it.name;
        case 1: {
            const Details &d = details(index.row());
            if (!d.size)
                return QString();
            return sizeText ? sizeText(*d.size) : QLocale().formattedDataSize(*d.size);
        }
        case 2:
            return typeText(it);
        case 3: {
            const Details &d = details(index.row());
            return d.written.isValid() ? QLocale().toString(d.written, QLocale::ShortFormat) : QString();
        }
        }
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        const Qt::ItemFlags f = QAbstractTableModel::flags(index);
        return index.isValid() ? f | Qt::ItemIsDragEnabled : f;
    }

    QStringList mimeTypes() const override { return {ShellDragType}; }
    QMimeData *mimeData(const QModelIndexList &) const override
    {
        return new TShellDragData(qobject_cast<QWidget *>(QObject::parent()));
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 4)
            return captions[section];
        return {};
    }

private:
    // Size and last write of a row, read when the report first shows it.
    const Details &details(int row) const
    {
        auto it = details_.find(row);
        if (it == details_.end()) {
            Details d;
            const QString path = pathOf(row);
            if (!items[size_t(row)].isFolder)
                d.size = fs::fileSize(path);
            fs::FileTimes times;
            if (fs::readTimes(path, times))
                d.written = toQDateTime(times.written);
            it = details_.insert(row, d);
        }
        return *it;
    }

    // Type by the name alone (no content sniffing), cached per extension.
    QString typeText(const Item &it) const
    {
        const qsizetype dot = it.name.lastIndexOf(u'.');
        const QString key = it.isFolder ? QStringLiteral("/") : dot > 0 ? it.name.mid(dot).toLower() : QString();
        auto cached = types_.constFind(key);
        if (cached != types_.constEnd())
            return *cached;
        QMimeDatabase db;
        const QString text = it.isFolder ? db.mimeTypeForName(QStringLiteral("inode/directory")).comment()
                                         : db.mimeTypeForFile(it.name, QMimeDatabase::MatchExtension).comment();
        types_.insert(key, text);
        return text;
    }

    mutable QHash<int, Details> details_;
    mutable QHash<QString, QString> types_;
    mutable QString widestFont_; // the key of the font widestRow_ was found for
    mutable int widestRow_ = -1;
};

// ---------------------------------------------------------------------------

TShellTreeView::TShellTreeView(QWidget *parent, const QString &name)
    : QTreeView(parent), model_(new TShellTreeModel(this))
{
    setObjectName(name);
    setModel(model_);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setRootIsDecorated(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { currentChanged(); });
    connect(this, &QTreeView::clicked, this, [this] { emit OnClick(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit OnScrollHorz(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit OnScrollVert(); });
    model_->canEdit = [this](const QString &path) { return OnEditing && OnEditing(path); };
    model_->renamed = [this](const QString &path, const QString &text) {
        QString t = text;
        if (OnEdited)
            OnEdited(path, t);
        // The edited node goes away with the re-read; do that after the editor closed.
        // A selection in the edited folder moves to its name now.
        const QString parentFolder = normalFolder(path.left(path.lastIndexOf(u'/') + 1));
        QString select = Path();
        if (isAtOrBelow(select, path) && !t.isEmpty() && !t.contains(u'/'))
            select = fs::joinPath(parentFolder, t) + select.mid(path.size());
        QTimer::singleShot(0, this, [this, parentFolder, select] { rereadNode(parentFolder, select); });
    };
}

TShellTreeView::~TShellTreeView() = default;

QString TShellTreeView::Path() const
{
    const auto *n = model_->nodeOf(currentIndex());
    return n ? n->path : QString();
}

bool TShellTreeView::setPath(const QString &path)
{
    const QString folder = normalFolder(path);
    if (folder.isEmpty() || !fs::isFolder(folder))
        return false;
    auto *n = model_->find(folder);
    if (!n)
        return false;
    for (auto *p = n->parent; p; p = p->parent)
        expand(model_->indexOf(p));
    const QModelIndex idx = model_->indexOf(n);
    setCurrentIndex(idx);
    scrollTo(idx);
    return true;
}

void TShellTreeView::setShellListView(TShellListView *list)
{
    if (list_)
        list_->setLinkedTree(nullptr);
    list_ = list;
    if (list_) {
        list_->setLinkedTree(this);
        const QString p = Path();
        if (!p.isEmpty() && list_->Root() != p)
            list_->setRoot(p);
    }
}

void TShellTreeView::setShowHidden(bool show)
{
    if (show == showHidden_)
        return;
    showHidden_ = show;
    model_->showHidden = show;
}

void TShellTreeView::RefreshNode(const QString &folder)
{
    rereadNode(folder, Path());
}

void TShellTreeView::rereadNode(const QString &folder, const QString &select)
{
    auto *n = model_->findLoaded(normalFolder(folder));
    if (!n)
        return;
    quiet_ = true;
    model_->reread(n);
    quiet_ = false;
    // Back to the folder shown before, or to the re-read node when it went away.
    if (!select.isEmpty() && isAtOrBelow(select, n->path) && !setPath(select))
        setCurrentIndex(model_->indexOf(n));
    currentChanged();
}

QString TShellTreeView::TopNodePath() const
{
    const auto *n = model_->nodeOf(currentIndex());
    while (n && n->parent)
        n = n->parent;
    return n ? n->path : QString();
}

void TShellTreeView::CollapseAll()
{
    collapseAll();
}

void TShellTreeView::EditSelected()
{
    if (currentIndex().isValid())
        QTreeView::edit(currentIndex());
}

bool TShellTreeView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const auto *n = model_->nodeOf(index);
    if (trigger != QAbstractItemView::NoEditTriggers && trigger != QAbstractItemView::CurrentChanged) {
        if (!n || n->isTop || !OnEditing || !OnEditing(n->path))
            return false;
    }
    return QTreeView::edit(index, trigger, event);
}

QString TShellTreeView::NodeAt(const QPoint &pos) const
{
    const auto *n = model_->nodeOf(indexAt(viewport()->mapFrom(this, pos)));
    return n ? n->path : QString();
}

void TShellTreeView::ExpandNode(const QString &folder)
{
    if (auto *n = model_->findLoaded(normalFolder(folder)))
        expand(model_->indexOf(n));
}

void TShellTreeView::mousePressEvent(QMouseEvent *event)
{
    QTreeView::mousePressEvent(event); // selects the node pressed on
    if (OnMouseDown)
        OnMouseDown(viewport()->mapTo(this, event->position().toPoint()));
}

void TShellTreeView::dragOver(QDropEvent *event)
{
    const TShellDragData *data = TShellDragData::of(event->mimeData());
    const QPoint pos = viewport()->mapTo(this, event->position().toPoint());
    if (data && OnDragOver && OnDragOver(data->Source(), pos)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
    // The node under the cursor is highlighted; the selected folder stays.
    const QModelIndex over = indexAt(event->position().toPoint());
    selectionModel()->select(over.isValid() ? over : currentIndex(), QItemSelectionModel::ClearAndSelect);
}

void TShellTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    dragOver(event);
}

void TShellTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    dragOver(event);
}

void TShellTreeView::dragLeaveEvent(QDragLeaveEvent *)
{
    selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
}

void TShellTreeView::dropEvent(QDropEvent *event)
{
    dragOver(event);
    selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
    if (!event->isAccepted())
        return;
    // Reported after the drag has ended: its handler may show a pop-up.
    QPointer<QWidget> source = TShellDragData::of(event->mimeData())->Source();
    const QPoint pos = viewport()->mapTo(this, event->position().toPoint());
    QTimer::singleShot(0, this, [this, source, pos] {
        if (OnDragDrop)
            OnDragDrop(source, pos);
    });
}

void TShellTreeView::listOpenedFolder(const QString &path)
{
    setPath(path);
}

void TShellTreeView::currentChanged()
{
    if (quiet_)
        return;
    const QString p = Path();
    if (p == lastPath_)
        return;
    lastPath_ = p;
    // The tree's handlers see the new folder first, then the list's handlers that its
    // selection went away.
    const bool lostSelection = list_ && !p.isEmpty() && list_->Root() != p && list_->reload(p, false);
    emit OnChange();
    if (lostSelection)
        emit list_->OnChange();
}

// ---------------------------------------------------------------------------

namespace {

// With uniform item sizes a list view asks the size of its last item only and gives
// every item that size. This delegate answers with the size of the widest name (found
// once per folder read), at most the list's width: a name is cut only where the list has
// no room for it, and a large folder stays fast.
class TListItemDelegate : public QStyledItemDelegate {
public:
    TListItemDelegate(const TShellListModel *model, QObject *parent) : QStyledItemDelegate(parent), model_(model) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        // Wrapped names (the icon style) keep the last item's size.
        if (index.row() != int(model_->items.size()) - 1 || (option.features & QStyleOptionViewItem::WrapText))
            return size;
        const int widest = model_->widestRow(option.font);
        if (widest >= 0 && widest != index.row())
            size = size.expandedTo(QStyledItemDelegate::sizeHint(option, model_->index(widest, 0)));
        if (const auto *view = qobject_cast<const QListView *>(option.widget)) {
            const int room = view->viewport()->width() - 2 * view->spacing();
            if (room > 0)
                size.setWidth(std::min(size.width(), room));
        }
        return size;
    }

private:
    const TShellListModel *model_;
};

} // namespace

TShellListView::TShellListView(QWidget *parent, const QString &name)
    : QWidget(parent), model_(new TShellListModel(this)), selection_(new QItemSelectionModel(model_, this)),
      listView_(new QListView(this)), reportView_(new QTreeView(this)), stack_(new QStackedLayout(this))
{
    setObjectName(name);
    stack_->setContentsMargins(0, 0, 0, 0);
    for (QAbstractItemView *v : {static_cast<QAbstractItemView *>(listView_), static_cast<QAbstractItemView *>(reportView_)}) {
        v->setModel(model_);
        QItemSelectionModel *own = v->selectionModel();
        v->setSelectionModel(selection_);
        delete own;
        v->setSelectionMode(QAbstractItemView::ExtendedSelection);
        v->setEditTriggers(QAbstractItemView::NoEditTriggers);
        v->setDragEnabled(true);
        v->viewport()->setAcceptDrops(true);
        connect(v, &QAbstractItemView::clicked, this, [this] { emit OnClick(); });
        connect(v, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &i) { activated(i.row()); });
        hookScrollBars(v);
        v->viewport()->installEventFilter(this);
        v->viewport()->setMouseTracking(true);
        stack_->addWidget(v);
    }
    listView_->setUniformItemSizes(true);
    listView_->setItemDelegate(new TListItemDelegate(model_, listView_));
    listView_->setMovement(QListView::Static);
    listView_->setResizeMode(QListView::Adjust);
    listView_->setSelectionRectVisible(true);
    reportView_->setRootIsDecorated(false);
    reportView_->setUniformRowHeights(true);
    reportView_->setItemsExpandable(false);
    reportView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    reportView_->setAllColumnsShowFocus(true);
    connect(selection_, &QItemSelectionModel::selectionChanged, this, [this] {
        if (!quiet_)
            emit OnChange();
    });
    // The user may size the name column; it then keeps that width in this folder.
    connect(reportView_->header(), &QHeaderView::sectionResized, this, [this](int section) {
        if (section == 0 && !fittingNameColumn_)
            userSizedNameColumn_ = true;
    });
    setViewStyle(vsList);
}

TShellListView::~TShellListView() = default;

void TShellListView::hookScrollBars(QAbstractItemView *view)
{
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit OnScrollHorz(); });
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit OnScrollVert(); });
}

QString TShellListView::Root() const
{
    return model_->folder;
}

void TShellListView::setRoot(const QString &folder)
{
    reload(normalFolder(folder));
}

void TShellListView::Refresh()
{
    reload(model_->folder);
}

bool TShellListView::reload(const QString &folder, bool notify)
{
    const bool hadSelection = selection_->hasSelection();
    std::vector<TShellListModel::Item> folders, files;
    if (!folder.isEmpty()) {
        for (fs::Entry &e : fs::listFolder(folder)) {
            if (!(objectTypes_ & (e.isFolder ? otFolders : otNonFolders)))
                continue;
            if (e.isHidden && !(objectTypes_ & otHidden))
                continue;
            bool canAdd = true;
            if (OnAddFolder)
                OnAddFolder(TShellFolder{fs::joinPath(folder, e.name), e.name, e.isFolder, e.isHidden}, canAdd);
            if (canAdd)
                (e.isFolder ? folders : files).push_back({std::move(e.name), e.isFolder, e.isHidden});
        }
    }
    folders.insert(folders.end(), std::make_move_iterator(files.begin()), std::make_move_iterator(files.end()));
    if (folder != model_->folder)
        userSizedNameColumn_ = false;
    quiet_ = true;
    model_->replace(folder, std::move(folders));
    selection_->clear();
    quiet_ = false;
    fitNameColumn();
    if (OnItemsChanged)
        OnItemsChanged();
    if (hadSelection && notify)
        emit OnChange();
    return hadSelection;
}

void TShellListView::setObjectTypes(unsigned types)
{
    objectTypes_ = types;
}

int TShellListView::Count() const
{
    return int(model_->items.size());
}

TShellFolder TShellListView::Folders(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    const auto &it = model_->items[size_t(index)];
    return TShellFolder{model_->pathOf(index), it.name, it.isFolder, it.isHidden};
}

int TShellListView::ItemIndex() const
{
    int first = -1;
    for (const QItemSelectionRange &r : selection_->selection())
        if (r.left() == 0 && (first < 0 || r.top() < first))
            first = r.top();
    return first;
}

void TShellListView::setItemIndex(int index)
{
    if (index < 0 || index >= Count()) {
        selection_->clearSelection();
        return;
    }
    const QModelIndex i = model_->index(index, 0);
    selection_->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::vector<int> TShellListView::SelectedRows() const
{
    std::vector<bool> marked(size_t(Count()), false);
    for (const QItemSelectionRange &r : selection_->selection())
        if (r.left() == 0)
            for (int row = r.top(); row <= r.bottom(); ++row)
                marked[size_t(row)] = true;
    std::vector<int> rows;
    for (int row = 0; row < Count(); ++row)
        if (marked[size_t(row)])
            rows.push_back(row);
    return rows;
}

int TShellListView::SelCount() const
{
    return int(SelectedRows().size());
}

bool TShellListView::isSelected(int index) const
{
    return index >= 0 && index < Count() && selection_->isSelected(model_->index(index, 0));
}

void TShellListView::setSelected(int index, bool selected)
{
    if (index < 0 || index >= Count())
        return;
    selection_->select(model_->index(index, 0), (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                                   QItemSelectionModel::Rows);
}

void TShellListView::SelectRows(const std::vector<int> &rows)
{
    QItemSelection chosen;
    const int last = model_->columnCount() - 1;
    for (int row : rows)
        if (row >= 0 && row < Count())
            chosen.select(model_->index(row, 0), model_->index(row, last));
    selection_->select(chosen, QItemSelectionModel::ClearAndSelect);
}

void TShellListView::SelectAll()
{
    if (Count() == 0)
        return;
    selection_->select(QItemSelection(model_->index(0, 0), model_->index(Count() - 1, model_->columnCount() - 1)),
                       QItemSelectionModel::Select);
}

void TShellListView::ClearSelection()
{
    selection_->clearSelection();
}

void TShellListView::setViewStyle(TViewStyle style)
{
    style_ = style;
    if (style == vsReport) {
        stack_->setCurrentWidget(reportView_);
        fitNameColumn();
        return;
    }
    const int small = QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize);
    const int large = QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize);
    listView_->setViewMode(style == vsIcon ? QListView::IconMode : QListView::ListMode);
    listView_->setIconSize(QSize(style == vsIcon ? large : small, style == vsIcon ? large : small));
    listView_->setFlow(style == vsList ? QListView::TopToBottom : QListView::LeftToRight);
    listView_->setWrapping(true);
    listView_->setMovement(QListView::Static);
    listView_->setResizeMode(QListView::Adjust);
    listView_->setWordWrap(style == vsIcon);
    // A static list view drags nothing by itself; its items are dragged all the same.
    listView_->setDragEnabled(true);
    listView_->viewport()->setAcceptDrops(true);
    stack_->setCurrentWidget(listView_);
}

void TShellListView::setColumnCaption(int column, const QString &caption)
{
    if (column < 0 || column >= 4)
        return;
    model_->captions[column] = caption;
    emit model_->headerDataChanged(Qt::Horizontal, column, column);
}

void TShellListView::setSizeText(std::function<QString(qint64)> text)
{
    model_->sizeText = std::move(text);
    if (Count() > 0)
        emit model_->dataChanged(model_->index(0, 1), model_->index(Count() - 1, 1), {Qt::DisplayRole});
}

void TShellListView::fitNameColumn()
{
    if (style_ != vsReport || userSizedNameColumn_)
        return;
    QHeaderView *header = reportView_->header();
    int width = header->sectionSizeHint(0);
    const int widest = model_->widestRow(reportView_->font());
    if (widest >= 0)
        width = std::max(width, reportView_->sizeHintForIndex(model_->index(widest, 0)).width());
    const int room = reportView_->viewport()->width();
    if (room > 0)
        width = std::min(width, room);
    fittingNameColumn_ = true;
    header->resizeSection(0, width);
    fittingNameColumn_ = false;
}

QAbstractItemView *TShellListView::currentView() const
{
    return qobject_cast<QAbstractItemView *>(stack_->currentWidget());
}

int TShellListView::ItemAt(const QPoint &pos) const
{
    const QAbstractItemView *view = currentView();
    const QModelIndex index = view->indexAt(view->viewport()->mapFrom(this, pos));
    return index.isValid() ? index.row() : -1;
}

void TShellListView::setBrushBitmap(const QPixmap &bitmap)
{
    // Called from every paint (OnCustomDraw): only a new bitmap changes the palette.
    if (bitmap.cacheKey() == brush_.cacheKey())
        return;
    brush_ = bitmap;
    for (QAbstractItemView *v : {static_cast<QAbstractItemView *>(listView_), static_cast<QAbstractItemView *>(reportView_)}) {
        QPalette palette = v->palette();
        palette.setBrush(QPalette::Base, bitmap.isNull() ? QApplication::palette(v).base() : QBrush(bitmap));
        v->setPalette(palette);
    }
}

void TShellListView::setFontColor(const QColor &color)
{
    for (QAbstractItemView *v : {static_cast<QAbstractItemView *>(listView_), static_cast<QAbstractItemView *>(reportView_)}) {
        QPalette palette = v->palette();
        palette.setColor(QPalette::Text, color);
        v->setPalette(palette);
    }
}

QColor TShellListView::FontColor() const
{
    return listView_->palette().color(QPalette::Text);
}

void TShellListView::Repaint()
{
    // A scroll bar may move while the items are laid out in a paint; no paint in a paint.
    QWidget *viewport = currentView()->viewport();
    if (viewport->testAttribute(Qt::WA_WState_InPaintEvent))
        viewport->update();
    else
        viewport->repaint();
}

bool TShellListView::eventFilter(QObject *watched, QEvent *event)
{
    for (QAbstractItemView *v : {static_cast<QAbstractItemView *>(listView_), static_cast<QAbstractItemView *>(reportView_)})
        if (watched == v->viewport() && viewportEvent(v, event))
            return true;
    return QWidget::eventFilter(watched, event);
}

bool TShellListView::viewportEvent(QAbstractItemView *view, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (view == reportView_)
            fitNameColumn(); // the room of the name column follows the list's width
        return false;
    case QEvent::Paint:
        if (OnCustomDraw)
            OnCustomDraw();
        return false;
    case QEvent::MouseButtonPress:
        if (OnMouseDown)
            OnMouseDown(view->viewport()->mapTo(this, static_cast<QMouseEvent *>(event)->position().toPoint()));
        return false;
    case QEvent::MouseMove: {
        const auto *move = static_cast<QMouseEvent *>(event);
        emit OnMouseMove(view->indexAt(move->position().toPoint()).row(), move->globalPosition().toPoint());
        return false;
    }
    case QEvent::Leave:
        emit OnMouseMove(-1, QCursor::pos());
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const TShellDragData *data = TShellDragData::of(drop->mimeData());
        const QPoint pos = view->viewport()->mapTo(this, drop->position().toPoint());
        if (!data || !OnDragOver || !OnDragOver(data->Source(), pos)) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (event->type() == QEvent::Drop) {
            // Reported after the drag has ended: its handler may show a pop-up.
            QTimer::singleShot(0, this, [this, source = QPointer<QWidget>(data->Source()), pos] {
                if (OnDragDrop)
                    OnDragDrop(source, pos);
            });
        }
        return true;
    }
    case QEvent::DragLeave:
        return true;
    default:
        return false;
    }
}

void TShellListView::activated(int row)
{
    if (row < 0 || row >= Count())
        return;
    const QString path = model_->pathOf(row);
    if (model_->items[size_t(row)].isFolder) {
        setRoot(path);
        if (tree_)
            tree_->listOpenedFolder(path);
    } else {
        ShellOpen(path, QString(), fs::folderOf(path), 1);
    }
    emit OnDblClick();
}
