#include "platform/toolkit/TreeView.h"

#include "platform/fs/PathCodec.h"

#include <QHeaderView>

#include <utility>

namespace {

constexpr int ImageRole = Qt::UserRole + 1;

// A node that sorts by NodeTextBefore.
class TTreeNode : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override { return NodeTextBefore(text(0), other.text(0)); }
};

int DepthOf(const QString &Line)
{
    int depth = 0;
    while (depth < Line.size() && (Line[depth] == u'\t' || Line[depth] == u' '))
        ++depth;
    return depth;
}

} // namespace

TIndentedLines ParseIndentedLines(const QStringList &Lines)
{
    TIndentedLines result;
    result.Nodes.reserve(size_t(Lines.size()));
    std::vector<int> chain; // chain[k]: the last node placed at level k on the way down
    for (const QString &line : Lines) {
        const int depth = DepthOf(line);
        const QString text = line.mid(depth);
        int level = 0;
        if (!chain.empty()) {
            const int previous = int(chain.size()) - 1;
            if (depth > previous + 1) {
                result.Failed = true;
                result.FailedDepth = depth;
                result.FailedText = text;
                return result;
            }
            level = depth;
        }
        chain.resize(size_t(level));
        const int index = int(result.Nodes.size());
        result.Nodes.push_back({text, level > 0 ? chain.back() : -1, level});
        chain.push_back(index);
    }
    return result;
}

QString IndentLevelMessage(int Depth, const QString &Text)
{
    return QStringLiteral("Ungültige Ebene (%1) für Eintrag \"%2\"").arg(Depth).arg(Text);
}

bool NodeTextBefore(const QString &A, const QString &B)
{
    const int order = A.compare(B, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : fs::encodeName(A) < fs::encodeName(B);
}

TTreeView::TTreeView(QWidget *parent, const QString &name) : QTreeWidget(parent)
{
    setObjectName(name);
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

TTreeView::~TTreeView()
{
    Clear(); // Qt frees nodes recursively: a deep tree must go leaf first
}

int TTreeView::ImageIndex(const QTreeWidgetItem *Node)
{
    return Node->data(0, ImageRole).toInt();
}

void TTreeView::setImageIndex(QTreeWidgetItem *Node, int Index)
{
    Node->setData(0, ImageRole, Index);
    Node->setIcon(0, images_.value(Index));
}

QTreeWidgetItem *TTreeView::Selected() const
{
    QTreeWidgetItem *current = currentItem();
    return current && current->isSelected() ? current : nullptr;
}

void TTreeView::setSelected(QTreeWidgetItem *Node)
{
    if (Node) {
        setCurrentItem(Node);
    } else {
        clearSelection();
        setCurrentItem(nullptr);
    }
}

QTreeWidgetItem *TTreeView::NewNode(const QString &Text, int Image) const
{
    auto *node = new TTreeNode(QStringList{Text});
    node->setData(0, ImageRole, Image);
    node->setIcon(0, images_.value(Image));
    return node;
}

QTreeWidgetItem *TTreeView::AddChild(QTreeWidgetItem *Parent, const QString &Text, int Image)
{
    QTreeWidgetItem *node = NewNode(Text, Image);
    AddChildren(Parent, {node});
    return node;
}

void TTreeView::AddChildren(QTreeWidgetItem *Parent, const QList<QTreeWidgetItem *> &Nodes)
{
    if (Parent)
        Parent->addChildren(Nodes);
    else
        addTopLevelItems(Nodes);
}

void TTreeView::Delete(QTreeWidgetItem *Node)
{
    QTreeWidgetItem *parent = Node->parent();
    FreeNode(parent ? parent->takeChild(parent->indexOfChild(Node)) : takeTopLevelItem(indexOfTopLevelItem(Node)));
}

void TTreeView::Clear()
{
    for (QTreeWidgetItem *node : invisibleRootItem()->takeChildren())
        FreeNode(node);
}

void TTreeView::FreeNode(QTreeWidgetItem *Node)
{
    if (!Node)
        return;
    // Each node goes once it has no children left; its parent drops it as its first child.
    std::vector<QTreeWidgetItem *> path{Node};
    while (!path.empty()) {
        QTreeWidgetItem *top = path.back();
        if (top->childCount() > 0) {
            path.push_back(top->child(0));
        } else {
            path.pop_back();
            delete top;
        }
    }
}

std::vector<QTreeWidgetItem *> TTreeView::Nodes() const
{
    std::vector<QTreeWidgetItem *> nodes;
    std::vector<QTreeWidgetItem *> pending;
    const QTreeWidgetItem *root = invisibleRootItem();
    for (int i = root->childCount() - 1; i >= 0; --i)
        pending.push_back(root->child(i));
    while (!pending.empty()) {
        QTreeWidgetItem *node = pending.back();
        pending.pop_back();
        nodes.push_back(node);
        for (int i = node->childCount() - 1; i >= 0; --i)
            pending.push_back(node->child(i));
    }
    return nodes;
}

void TTreeView::AlphaSort()
{
    // One level at a time through the model, which keeps the selection and the
    // expanded nodes.
    invisibleRootItem()->sortChildren(0, Qt::AscendingOrder);
    for (QTreeWidgetItem *node : Nodes())
        if (node->childCount() > 1)
            node->sortChildren(0, Qt::AscendingOrder);
}

QStringList TTreeView::IndentedLines() const
{
    QStringList lines;
    std::vector<std::pair<const QTreeWidgetItem *, int>> pending;
    const QTreeWidgetItem *root = invisibleRootItem();
    for (int i = root->childCount() - 1; i >= 0; --i)
        pending.emplace_back(root->child(i), 0);
    while (!pending.empty()) {
        const auto [node, level] = pending.back();
        pending.pop_back();
        lines.append(QString(level, u'\t') + node->text(0));
        for (int i = node->childCount() - 1; i >= 0; --i)
            pending.emplace_back(node->child(i), level + 1);
    }
    return lines;
}

bool TTreeView::LoadIndentedLines(const QStringList &Lines, int Image, QString &Message)
{
    const TIndentedLines parsed = ParseIndentedLines(Lines);
    // Built apart from the view, which then takes the top-level nodes in one change.
    std::vector<QTreeWidgetItem *> made;
    made.reserve(parsed.Nodes.size());
    QList<QTreeWidgetItem *> top;
    for (const TIndentedLines::Node &n : parsed.Nodes) {
        QTreeWidgetItem *node = NewNode(n.Text, Image);
        if (n.Parent >= 0)
            made[size_t(n.Parent)]->addChild(node);
        else
            top.append(node);
        made.push_back(node);
    }
    AddChildren(nullptr, top);
    if (parsed.Failed)
        Message = IndentLevelMessage(parsed.FailedDepth, parsed.FailedText);
    return !parsed.Failed;
}
