#include "platform/dialogs/ModalSeam.h"

namespace {
ModalSeam::Handler &current()
{
    static ModalSeam::Handler h;
    return h;
}
} // namespace

int ModalSeam::exec(QDialog &dialog, const ModalRecord &record)
{
    if (current())
        return current()(dialog, record);
    return dialog.exec();
}

void ModalSeam::setHandler(Handler handler)
{
    current() = std::move(handler);
}

bool ModalSeam::hasHandler()
{
    return static_cast<bool>(current());
}
