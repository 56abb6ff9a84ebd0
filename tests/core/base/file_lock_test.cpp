#include "app/scripted_dialogs.h"
#include "base/file_lock.h"
#include "base/file_names.h"
#include "base/section_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace zam {

using test::TTempDir;

namespace {
    const std::string kLockedMessage = "\rwird gerade von einem anderen Anwender verwendet.\r"
                                       "Der Zugriff ist momentan nicht möglich!";

    void MakeDataFile(const std::string& file)
    {
        TSList s;
        s.AddLine(s.AddSection("[HEAD]").index, "03");
        s.AddLine(s.AddSection("[DATA]").index, "  1  1 1");
        ASSERT_TRUE(s.SaveFile(file, kOpenShared));
    }

    // A second process that opens the file for editing and holds it until told
    // to go on; then it saves in mode 2 when asked (releasing the lock), or just
    // ends (leaving a stale lock).
    struct THolder {
        pid_t pid = -1;
        int toChild = -1;

        void Start(const std::string& file, bool saveAtEnd)
        {
            int ready[2];
            int go[2];
            ASSERT_EQ(::pipe(ready), 0);
            ASSERT_EQ(::pipe(go), 0);
            pid = ::fork();
            if (pid == 0) {
                TSList s;
                char c = s.LoadFile(file, kOpenEdit) ? 'y' : 'n';
                (void)!::write(ready[1], &c, 1);
                (void)!::read(go[0], &c, 1);
                if (saveAtEnd)
                    s.SaveFile(file, kOpenEdit);
                ::_exit(0);
            }
            char c = 0;
            ASSERT_EQ(::read(ready[0], &c, 1), 1);
            ASSERT_EQ(c, 'y');
            toChild = go[1];
            ::close(ready[0]);
            ::close(ready[1]);
            ::close(go[0]);
        }

        void Finish()
        {
            char c = 'g';
            (void)!::write(toChild, &c, 1);
            ::close(toChild);
            int status = 0;
            ::waitpid(pid, &status, 0);
        }
    };
}

TEST(FileLock, AnotherProcessHoldingTheFileIsRefusedWithTheMessage)
{
    TTempDir dir;
    std::string file = dir.File("series.klb");
    MakeDataFile(file);
    THolder other;
    other.Start(file, true);
    EXPECT_TRUE(FileExists(dir.File("series.§kl")));
    TLockHolder holder;
    EXPECT_TRUE(IsLockedByOther(file, &holder));
    EXPECT_EQ(holder.pid, other.pid);

    TScriptedDialogs dlg;
    TSList s;
    EXPECT_FALSE(s.LoadFile(file, kOpenEdit));
    ASSERT_EQ(dlg.messages.size(), 1U);
    EXPECT_EQ(dlg.messages[0].kind, kMsgError);
    EXPECT_EQ(dlg.messages[0].text, "Datei " + file + kLockedMessage);
    // reading without editing is still possible
    EXPECT_TRUE(s.LoadFile(file, kOpenShared));
    // the lock of another holder is not released by us
    ReleaseLock(file);
    EXPECT_TRUE(IsLockedByOther(file));

    other.Finish(); // saves in mode 2, which releases the lock
    EXPECT_FALSE(FileExists(dir.File("series.§kl")));
    EXPECT_TRUE(s.LoadFile(file, kOpenEdit));
    ReleaseLock(file);
    EXPECT_FALSE(FileExists(dir.File("series.§kl")));
}

TEST(FileLock, StaleLockOfAnEndedProcessIsTakenOver)
{
    TTempDir dir;
    std::string file = dir.File("stale.klb");
    MakeDataFile(file);
    THolder other;
    other.Start(file, false);
    other.Finish(); // ends without releasing
    ASSERT_TRUE(FileExists(LockFileName(file)));
    EXPECT_FALSE(IsLockedByOther(file));
    TScriptedDialogs dlg;
    TSList s;
    EXPECT_TRUE(s.LoadFile(file, kOpenEdit));
    EXPECT_TRUE(dlg.messages.empty());
    TLockHolder holder;
    IsLockedByOther(file, &holder);
    EXPECT_EQ(holder.pid, ::getpid());
    EXPECT_TRUE(s.SaveFile(file, kOpenEdit));
    EXPECT_FALSE(FileExists(LockFileName(file)));
}

TEST(FileLock, OwnLockDoesNotBlockReopening)
{
    TTempDir dir;
    std::string file = dir.File("own.klb");
    MakeDataFile(file);
    TSList a;
    TSList b;
    EXPECT_TRUE(a.LoadFile(file, kOpenEdit));
    EXPECT_TRUE(b.LoadFile(file, kOpenEdit));
    ReleaseLock(file);
}

}
