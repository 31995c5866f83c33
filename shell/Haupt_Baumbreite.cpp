#include "shell/Haupt_Baumbreite.h"

#include "shell/Haupt_Explorer.h"

#include <QEvent>
#include <QSplitter>

#include <optional>

namespace {

// Lives as a child of its splitter and notes the tree pane's width as it is hidden.
class TTreePaneFollower : public QObject {
    Q_OBJECT
public:
    explicit TTreePaneFollower(QSplitter *Splitter) : QObject(Splitter), splitter_(Splitter)
    {
        Splitter->installEventFilter(this);
        if (Splitter->isVisible())
            shown_ = true;
    }

    int Width(int Stored) const
    {
        if (splitter_->isVisible())
            return TreePaneWidth(splitter_);
        return shown_ ? hiddenWidth_.value_or(TreePaneWidth(splitter_)) : Stored;
    }

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (Watched == splitter_) {
            if (Event->type() == QEvent::Show)
                shown_ = true;
            else if (Event->type() == QEvent::Hide && shown_)
                hiddenWidth_ = TreePaneWidth(splitter_);
        }
        return false;
    }

private:
    QSplitter *splitter_;
    bool shown_ = false;
    std::optional<int> hiddenWidth_;
};

} // namespace

void FollowTreePaneWidth(QSplitter *Splitter)
{
    if (!Splitter->findChild<TTreePaneFollower *>(QString(), Qt::FindDirectChildrenOnly))
        new TTreePaneFollower(Splitter);
}

int LastShownTreePaneWidth(const QSplitter *Splitter, int Stored)
{
    const auto *follower = Splitter->findChild<TTreePaneFollower *>(QString(), Qt::FindDirectChildrenOnly);
    return follower ? follower->Width(Stored) : TreePaneWidth(Splitter);
}

#include "Haupt_Baumbreite.moc"
