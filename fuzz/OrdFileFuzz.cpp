// The folder-structure file reader over any content: the lines as the file reader
// decodes them, placed as nodes by their levels. Every node's parent comes before it
// one level up; a reading that stops does so at a line deeper than the one before allows.
// A complete reading written back as indented lines reads back to the same nodes.

#include "operations/TextLines.h"
#include "platform/toolkit/TreeView.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool Holds, const char *What)
{
    if (!Holds) {
        std::fprintf(stderr, "OrdFile fuzz: %s\n", What);
        std::abort();
    }
}

// The lines the editor writes for these nodes (pre-order is line order).
QStringList Written(const TIndentedLines &Read)
{
    QStringList lines;
    for (const TIndentedLines::Node &n : Read.Nodes)
        lines.append(QString(n.Level, u'\t') + n.Text);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QStringList lines =
        TextLines::decodeTextLines(QByteArray(reinterpret_cast<const char *>(Data), qsizetype(Size)));
    const TIndentedLines read = ParseIndentedLines(lines);
    Check(read.Nodes.size() + (read.Failed ? 1 : 0) <= size_t(lines.size()), "more nodes than lines");
    for (size_t i = 0; i < read.Nodes.size(); ++i) {
        const TIndentedLines::Node &n = read.Nodes[i];
        Check(n.Parent < int(i), "a parent after its child");
        Check(n.Parent < 0 ? n.Level == 0 : read.Nodes[size_t(n.Parent)].Level == n.Level - 1, "a level off its parent's");
        Check(!n.Text.startsWith(u'\t') && !n.Text.startsWith(u' '), "a text beginning with a level character");
    }
    if (read.Failed) {
        const int previous = read.Nodes.empty() ? -1 : read.Nodes.back().Level;
        Check(!read.Nodes.empty() && read.FailedDepth > previous + 1, "a stop at a line that fits");
        return 0;
    }
    Check(read.Nodes.size() == size_t(lines.size()), "a line without its node");
    const TIndentedLines again = ParseIndentedLines(Written(read));
    Check(!again.Failed && again.Nodes.size() == read.Nodes.size(), "the written lines read back differently");
    for (size_t i = 0; i < read.Nodes.size(); ++i)
        Check(again.Nodes[i].Text == read.Nodes[i].Text && again.Nodes[i].Parent == read.Nodes[i].Parent,
              "a node read back differently");
    return 0;
}
