// The recycle bin: the freedesktop Trash of the test's own data folder.

#include "platform/desktop/Desktop.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "support/FolderNames.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Trash()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/";
}

TEST(Trash, KeepsNamesThatAreNotUtf8AndTheirInfo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString name = fs::decodeName("caf\xe9");
    const QString folder = dir.path() + "/" + name;
    ASSERT_TRUE(fs::createFolders(folder));
    ASSERT_TRUE(desktop::moveToTrash(folder + "/"));
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_EQ(SortedNames(Trash() + "files"), QStringList{name});
    EXPECT_EQ(SortedNames(Trash() + "info"), QStringList{name + ".trashinfo"});
}

TEST(Trash, AFileSystemWithoutTrashKeepsTheFolder)
{
    if (!fs::isFolder("/dev/shm"))
        GTEST_SKIP() << "no /dev/shm";
    QTemporaryDir dir(QStringLiteral("/dev/shm/corvex-trash-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + "/keep";
    ASSERT_TRUE(fs::createFolders(folder));
    EXPECT_FALSE(desktop::moveToTrash(folder));
    EXPECT_TRUE(fs::isFolder(folder));
    EXPECT_FALSE(desktop::moveToTrash(QStringLiteral("relative/path")));
}

} // namespace
