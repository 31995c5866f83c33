#pragma once
// Folder browsing: a folder tree (folders only) linked to a file list of one folder.
// Both are synchronous models over fs::listFolder: a list is complete as soon as its
// folder is set, and names that are not valid UTF-8 survive (lossless codec).
//
// Paths: "/" is the root; Path() of a folder has no trailing "/" (the root is "/").
// Setters accept a path with or without the trailing "/".

#include <QColor>
#include <QMimeData>
#include <QPoint>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTreeView>
#include <QWidget>

#include <functional>
#include <vector>

class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QStackedLayout;
class TShellListModel;
class TShellTreeModel;
class TShellListView;

// One entry of a file list, as the add-item event and Folders(i) hand it out.
struct TShellFolder {
    QString PathName; // full path
    QString Name;     // the entry's name
    bool IsFolder = false;
    bool IsHidden = false; // name begins with "."
};

// The data of a drag begun on a tree or list of this program (dragging an item starts
// one by itself). Drags stay inside the program: a drop of any other data is refused.
class TShellDragData : public QMimeData {
    Q_OBJECT
public:
    explicit TShellDragData(QWidget *source);
    // The TShellTreeView or TShellListView the drag began on (null once it is gone).
    QWidget *Source() const { return source_; }
    // The drag data behind a drop event's data; nullptr for data from elsewhere.
    static const TShellDragData *of(const QMimeData *data);

private:
    QPointer<QWidget> source_;
};

// Drag and drop events of the trees and lists; positions are in the control's own
// coordinates. OnDragOver answers whether the control accepts the drag there; the
// drop it accepted is reported by OnDragDrop once the drag has ended.
struct TShellDropEvents {
    std::function<void(const QPoint &pos)> OnMouseDown; // a mouse button went down
    std::function<bool(QWidget *source, const QPoint &pos)> OnDragOver;
    std::function<void(QWidget *source, const QPoint &pos)> OnDragDrop;
};

// The kinds of entries a list shows.
enum TShellObjectType : unsigned {
    otFolders = 1,
    otNonFolders = 2,
    otHidden = 4,
};

// View styles of a file list, numbered as the program stores them.
enum TViewStyle : int { vsIcon = 0, vsSmallIcon = 1, vsList = 2, vsReport = 3 };

class TShellTreeView : public QTreeView, public TShellDropEvents {
    Q_OBJECT
public:
    explicit TShellTreeView(QWidget *parent = nullptr, const QString &name = {});
    ~TShellTreeView() override;

    // The selected folder; empty when nothing is selected.
    QString Path() const;
    // Selects the folder (expanding its parents) and shows it in the linked list.
    // Returns false and changes nothing when it is not an existing folder.
    bool setPath(const QString &path);

    // Links the list: a folder chosen here is shown there, a folder opened there is
    // selected here. nullptr unlinks.
    void setShellListView(TShellListView *list);
    TShellListView *ShellListView() const { return list_; }

    // Hidden folders (name beginning with ".") are shown when on; default off. Applies
    // to the nodes read from then on (RefreshNode reads a node again).
    void setShowHidden(bool show);
    bool ShowHidden() const { return showHidden_; }

    // Re-reads the sub-folders of the node of `folder` (already read nodes only).
    void RefreshNode(const QString &folder);
    // The top-level node (home folder or "/") above the selected folder; empty when
    // nothing is selected.
    QString TopNodePath() const;
    // Collapses every node; the selection stays.
    void CollapseAll();

    // Label editing of a node. OnEditing(path) returns whether the label may be edited
    // (no handler: never). OnEdited(path, text) gets the new text and does the
    // renaming, leaving in text the name the folder has afterwards; then the
    // sub-folders of the node's parent are re-read from disk, so the tree shows the
    // name the folder now has, and a selected edited folder stays selected.
    std::function<bool(const QString &path)> OnEditing;
    std::function<void(const QString &path, QString &text)> OnEdited;
    // Starts editing the selected node's label (when OnEditing allows it).
    void EditSelected();
    // The folder of the node at pos (the control's coordinates); empty where there is none.
    QString NodeAt(const QPoint &pos) const;
    // Expands the node of a folder one level (loaded nodes only).
    void ExpandNode(const QString &folder);

signals:
    void OnChange(); // the selected folder changed (by the user or by setPath)
    void OnClick();
    void OnScrollHorz();
    void OnScrollVert();

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    friend class TShellListView;
    // Accepts the drag over pos when OnDragOver does; the node there is highlighted.
    void dragOver(QDropEvent *event);
    void listOpenedFolder(const QString &path);
    void currentChanged();
    // Re-reads a node's sub-folders and selects `select` afterwards when it lies below
    // the node (else the node itself, when the selection was below it).
    void rereadNode(const QString &folder, const QString &select);

    TShellTreeModel *model_;
    TShellListView *list_ = nullptr;
    bool showHidden_ = false;
    bool quiet_ = false;
    QString lastPath_;
};

class TShellListView : public QWidget, public TShellDropEvents {
    Q_OBJECT
public:
    explicit TShellListView(QWidget *parent = nullptr, const QString &name = {});
    ~TShellListView() override;

    // The folder shown; setting it reads the folder at once (an unreadable or missing
    // folder gives an empty list). Path without trailing "/", the root "/".
    QString Root() const;
    void setRoot(const QString &folder);
    // Reads the shown folder again (runs the add-item event for every entry).
    void Refresh();

    // Kinds of entries shown (default folders and files, no hidden entries).
    void setObjectTypes(unsigned types);
    unsigned ObjectTypes() const { return objectTypes_; }

    // Called for every entry about to be added; set canAdd to false to leave it out.
    std::function<void(const TShellFolder &folder, bool &canAdd)> OnAddFolder;
    // Called each time the items were read anew (a folder set or read again), before
    // OnChange reports a selection lost by it; blocked signals do not hold it back.
    std::function<void()> OnItemsChanged;

    int Count() const;                     // number of items
    TShellFolder Folders(int index) const; // the entry of item index
    int ItemIndex() const;                 // first selected item, -1 when none
    void setItemIndex(int index);          // selects only that item (-1: none)
    int SelCount() const;
    bool isSelected(int index) const;
    void setSelected(int index, bool selected);
    std::vector<int> SelectedRows() const; // the selected items, in list order
    // Selects exactly these rows (others are deselected), with one OnChange.
    void SelectRows(const std::vector<int> &rows);
    void SelectAll();
    void ClearSelection();

    TViewStyle ViewStyle() const { return style_; }
    void setViewStyle(TViewStyle style);
    // Column captions of the report style: 0 name, 1 size, 2 type, 3 last write.
    void setColumnCaption(int column, const QString &caption);
    // The text of a file size in the report style (default: the locale's data size).
    void setSizeText(std::function<QString(qint64 size)> text);

    void setLinkedTree(TShellTreeView *tree) { tree_ = tree; }
    TShellTreeView *LinkedTree() const { return tree_; }

    // The item view of the current style (for drawing, drag and drop, focus).
    QAbstractItemView *currentView() const;
    // The item at pos (the control's coordinates); -1 where there is none.
    int ItemAt(const QPoint &pos) const;

    // Drawing: the brush bitmap is tiled behind the items (a null bitmap: the plain
    // background); item texts have no background of their own. OnCustomDraw runs
    // before every paint of the items.
    void setBrushBitmap(const QPixmap &bitmap);
    QPixmap BrushBitmap() const { return brush_; }
    void setFontColor(const QColor &color);
    QColor FontColor() const;
    std::function<void()> OnCustomDraw;
    // Paints the items at once (from inside a paint of the items: right after it).
    void Repaint();

signals:
    void OnChange();   // the selection changed (also when a new folder empties it)
    void OnClick();
    // After a double-clicked folder was opened, or a double-clicked file handed to the
    // desktop's opener.
    void OnDblClick();
    void OnScrollHorz();
    void OnScrollVert();
    // The mouse moved over the items: Item the one under it (-1 over empty space and
    // when the mouse left the list), Global the cursor on the screen.
    void OnMouseMove(int Item, QPoint Global);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class TShellTreeView;
    void activated(int row);
    void hookScrollBars(QAbstractItemView *view);
    // The drag and mouse events of a view's viewport; true when taken.
    bool viewportEvent(QAbstractItemView *view, QEvent *event);
    // Reads folder; true when a selection was lost. With notify OnChange follows then.
    bool reload(const QString &folder, bool notify = true);
    // The report style's name column as wide as the widest name needs, at most the
    // list's width; once the user has sized it, only a new folder fits it anew.
    void fitNameColumn();

    TShellListModel *model_;
    QItemSelectionModel *selection_;
    QListView *listView_;
    QTreeView *reportView_;
    QStackedLayout *stack_;
    TShellTreeView *tree_ = nullptr;
    bool quiet_ = false;
    unsigned objectTypes_ = otFolders | otNonFolders;
    TViewStyle style_ = vsList;
    QPixmap brush_;
    bool fittingNameColumn_ = false;
    bool userSizedNameColumn_ = false;
};
