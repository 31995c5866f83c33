#pragma once
// A tree of text nodes that saves and loads itself as indented text: one line per node in
// pre-order, the node's depth as that many TAB characters before its text. Each node
// shows an image of the tree's image list by its index. Every walk over the nodes is
// iterative and nodes are freed leaf first, so a tree of any depth is safe.

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTreeWidget>

#include <vector>

// The nodes that indented lines describe, in line order. A line's leading TAB and blank
// characters are its depth d, the rest its text. The first line's node is at level 0,
// whatever its depth; each further line is placed by the node p levels deep placed for
// the line before: d = p a sibling of it, d = p + 1 a child, d < p a sibling of its
// ancestor at level d; d > p + 1 stops the reading (Failed, with that line's depth and
// text), the nodes before it staying.
struct TIndentedLines {
    struct Node {
        QString Text;
        int Parent = -1; // index of the parent node; -1 at the top level
        int Level = 0;
    };
    std::vector<Node> Nodes;
    bool Failed = false;
    int FailedDepth = 0;
    QString FailedText;
};
TIndentedLines ParseIndentedLines(const QStringList &Lines);
// The message of a line too deep: "Ungültige Ebene (2) für Eintrag "B"".
QString IndentLevelMessage(int Depth, const QString &Text);
// Node order of the tree: case-insensitive, then by the names' bytes.
bool NodeTextBefore(const QString &A, const QString &B);

class TTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TTreeView(QWidget *parent = nullptr, const QString &name = {});
    ~TTreeView() override;

    // The images nodes show by their image index.
    void setImages(const QList<QIcon> &images) { images_ = images; }
    static int ImageIndex(const QTreeWidgetItem *Node);
    void setImageIndex(QTreeWidgetItem *Node, int Index);

    // The selected node; nullptr when none.
    QTreeWidgetItem *Selected() const;
    // Selects Node alone; nullptr deselects.
    void setSelected(QTreeWidgetItem *Node);

    // A new node outside the tree, showing image Image; AddChildren or FreeNode takes it.
    QTreeWidgetItem *NewNode(const QString &Text, int Image) const;
    // A new last child of Parent (nullptr: a new top-level node) showing image Image.
    QTreeWidgetItem *AddChild(QTreeWidgetItem *Parent, const QString &Text, int Image = 0);
    // Adds Nodes (made without a tree, with their sub-trees) as the last children of
    // Parent (nullptr: the top level), in one change of the view.
    void AddChildren(QTreeWidgetItem *Parent, const QList<QTreeWidgetItem *> &Nodes);
    // Removes Node with its sub-tree and frees it.
    void Delete(QTreeWidgetItem *Node);
    // Removes every node.
    void Clear();
    // Every node in pre-order.
    std::vector<QTreeWidgetItem *> Nodes() const;
    // Sorts the children of every node (NodeTextBefore); selection and expanded nodes stay.
    void AlphaSort();

    // The tree as indented lines.
    QStringList IndentedLines() const;
    // Adds the nodes of Lines at the top level, each showing image Image; false after a
    // line too deep (Message is then its IndentLevelMessage), the nodes before it added.
    bool LoadIndentedLines(const QStringList &Lines, int Image, QString &Message);

    // Frees a node made without a tree, with its sub-tree.
    static void FreeNode(QTreeWidgetItem *Node);

private:
    QList<QIcon> images_;
};
