// Recovery copies and changes by other programs, through the real window offscreen.

#include "ui/Recovery.h"

#include "core/DocumentBuilders.h"
#include "core/RecoveryCopy.h"
#include "core/SafeSave.h"
#include "gui/EditCommandsSupport.h"
#include "support/SecondUser.h"

#include <QDialog>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class RecoveryTest : public TListWindowTest {
protected:
    void SetUp() override
    {
        {
            const TRecoveryStore probe;
            QDir(probe.Folder()).removeRecursively(); // copies an earlier test left
        }
        TListWindowTest::SetUp();
        Folder = Form->Recovery().Store()->Folder();
    }
    void TearDown() override
    {
        SetSaveFaults(nullptr);
        TListWindowTest::TearDown();
        QDir(Folder).removeRecursively();
    }
    QStringList Copies() const
    {
        return QDir(Folder).entryList({ QStringLiteral("*.recovery") }, QDir::Files);
    }
    // An edit by the user: the current item deleted.
    void Edit()
    {
        if (Doc().CurrentIndex() < 0)
            Doc().SetCurrentIndex(0);
        Trigger(Form->Command("miEditDelete"));
    }
    std::string OwnCopyBytes() const { return ReadBytes(Form->Recovery().Store()->OwnCopy().toStdString()); }
    // What a copy of the program that was killed leaves behind: its recovery copy, and no lock
    // that a running process holds.
    std::string PlantOrphan(const TVocabFile& doc, const std::string& fileName,
        const std::string& name = "copy-1-1", const std::optional<TFileStamp>& stamp = std::nullopt)
    {
        QDir().mkpath(Folder);
        const std::string path = Folder.toStdString() + "/" + name + ".recovery";
        SafeWriteFile(path,
            BuildRecoveryImage(doc, { fileName, stamp ? *stamp : StampFile(fileName), doc.CurrentIndex() }));
        return path;
    }
    // The window closed and the copies gone, as before a new start of the program.
    void Close()
    {
        Form.reset();
        QDir(Folder).removeRecursively();
    }
    // A new window, as at a new start of the program.
    void Restart()
    {
        Form.reset();
        Form = std::make_unique<TMainForm>(std::make_unique<TMemorySettingsStore>());
        ScriptedBoxes().Clear();
    }
    static std::unique_ptr<TVocabFile> ChangedList(const std::string& fileName)
    {
        auto doc = std::make_unique<TVocabFile>();
        doc->LoadFromFile(fileName);
        doc->SetCurrentIndex(3);
        doc->DeleteCurrent();
        doc->SetCurrentIndex(3);
        return doc;
    }

    QString Folder;
};

} // namespace

// The list tells of its changes itself: one made past every command and idle update is kept too,
// and a save under another name renames the window at once.
TEST_F(RecoveryTest, AChangeMadeBehindTheWindowsBackIsCopiedAllTheSame)
{
    OpenList();
    const std::uint64_t updates = Form->CommandStateUpdates();
    const std::pair<const char*, std::function<void(TVocabFile&)>> changes[] = {
        { "an answer", [](TVocabFile& doc) { doc.RecordAnswer(true, 3); } },
        { "a shuffle", [](TVocabFile& doc) { doc.Shuffle(); } },
        { "a deletion", [](TVocabFile& doc) { doc.DeleteCurrent(); } },
    };
    for (const auto& [name, change] : changes) {
        change(Doc());
        ASSERT_TRUE(Form->Recovery().Timer()->isActive()) << name;
        Form->Recovery().Flush();
        TVocabFile restored;
        LoadRecoveryImage(OwnCopyBytes(), restored);
        EXPECT_EQ(restored.SaveToBytes(), Doc().SaveToBytes()) << name;
        Doc().MarkSavedAs(Dir.File(std::string(name) + ".vmr"));
        Form->Recovery().Flush();
        EXPECT_TRUE(Copies().isEmpty()) << name;
        EXPECT_EQ(Form->windowTitle(), QString::fromUtf8(name) + QStringLiteral(".vmr - Velmoria"));
    }
    EXPECT_EQ(Form->CommandStateUpdates(), updates) << "no idle update ran";
}

TEST_F(RecoveryTest, ChangesAreCopiedAfterAPauseAndTheCopyGoesWithTheSaveOrANormalClose)
{
    OpenList();
    EXPECT_FALSE(Form->Recovery().Timer()->isActive()) << "nothing to keep yet";
    Edit();
    ASSERT_TRUE(Form->Recovery().Timer()->isActive());
    EXPECT_EQ(Form->Recovery().Timer()->interval(), RecoveryQuietMs);
    Form->Recovery().Flush();
    ASSERT_EQ(Copies().size(), 1);
    TVocabFile restored;
    EXPECT_EQ(LoadRecoveryImage(OwnCopyBytes(), restored).FileName, List);
    EXPECT_EQ(restored.SaveToBytes(), Doc().SaveToBytes());

    // Less than a second after the copy the next one waits for the interval, not for the pause.
    Edit();
    EXPECT_GT(Form->Recovery().Timer()->interval(), RecoveryQuietMs - 200);
    Form->Recovery().Flush();
    EXPECT_EQ(LoadRecoveryImage(OwnCopyBytes(), restored).FileName, List);
    EXPECT_EQ(restored.Count(), Doc().Count());

    Trigger(Form->Command("miFileSave"));
    Form->Recovery().Flush();
    EXPECT_TRUE(Copies().isEmpty()) << "saved";

    Edit();
    Form->Recovery().Flush();
    EXPECT_EQ(Copies().size(), 1);
    Trigger(Form->Command("miEditUndo"));
    Form->Recovery().Flush();
    EXPECT_TRUE(Copies().isEmpty()) << "undone back to the saved list";

    Edit();
    Form->Recovery().Flush();
    ScriptedBoxes().QueueAnswer(QMessageBox::No); // do not save
    Form->close();
    EXPECT_TRUE(Copies().isEmpty()) << "discarded and closed normally";
}

TEST_F(RecoveryTest, AnOrphanIsOfferedWhenItsListIsOpened)
{
    const std::unique_ptr<TVocabFile> crashed = ChangedList(List);
    const std::string fileBytes = ReadBytes(List);
    for (const auto answer : { QMessageBox::Yes, QMessageBox::No, QMessageBox::Discard }) {
        SCOPED_TRACE(answer);
        Close();
        const std::string orphan = PlantOrphan(*crashed, List);
        Restart();
        ScriptedBoxes().QueueAnswer(answer);
        OpenList();
        ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
        EXPECT_EQ(LastMessage().Text,
            QStringLiteral("Velmoria did not close normally. Recover the unsaved changes to list.vmr?"));
        EXPECT_EQ(
            ScriptedBoxes().Shown()[0].Buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Discard);
        TVocabFile& doc = Doc();
        EXPECT_EQ(doc.FileName(), List);
        if (answer == QMessageBox::Yes) {
            EXPECT_EQ(std::tuple(doc.SaveToBytes(), doc.Modified(), doc.UndoCount(), doc.CurrentIndex()),
                std::tuple(crashed->SaveToBytes(), true, 0, 3));
            // It is this copy's own now.
            EXPECT_FALSE(fs::exists(orphan));
            EXPECT_EQ(Copies().size(), 1);
            Trigger(Form->Command("miFileSave"));
            EXPECT_EQ(ReadBytes(List), crashed->SaveToBytes());
            Form->Recovery().Flush();
            EXPECT_TRUE(Copies().isEmpty());
            WriteBytes(List, fileBytes);
        } else if (answer == QMessageBox::No) {
            EXPECT_EQ(doc.SaveToBytes(), fileBytes);
            EXPECT_FALSE(doc.Modified());
            EXPECT_TRUE(fs::exists(orphan)) << "kept";
            // Kept until the next change of this list, whose own copy overtakes it.
            Edit();
            Form->Recovery().Flush();
            EXPECT_FALSE(fs::exists(orphan));
            EXPECT_EQ(Copies().size(), 1);
        } else {
            EXPECT_EQ(doc.SaveToBytes(), fileBytes);
            EXPECT_TRUE(Copies().isEmpty());
        }
    }
}

// A copy whose header reads but whose list does not is told when taken; the list opens as saved.
TEST_F(RecoveryTest, ACopyCutShortIsToldWhenTakenAndTheListOpensAsSaved)
{
    const std::string orphan = PlantOrphan(*ChangedList(List), List);
    WriteBytes(orphan, ReadBytes(orphan).substr(0, ReadBytes(orphan).size() - 20));
    ScriptedBoxes().QueueAnswer(QMessageBox::Yes);
    OpenList();
    EXPECT_EQ(ScriptedBoxes().Shown().size(), 2u) << ShownTexts().join(u'\n').toStdString();
    EXPECT_EQ(Doc().SaveToBytes(), ReadBytes(List));
}

TEST_F(RecoveryTest, AtStartUpAnUntitledOrphanComesBackUntitledInsteadOfTheWelcome)
{
    TVocabFile untitled;
    Fill(untitled, German, English, { { "der Hund", 0, "", "dog" } });
    PlantOrphan(untitled, "");
    int dialogs = 0;
    ScriptedRunner().Set([&dialogs](QDialog&) {
        ++dialogs;
        return int(QDialog::Rejected);
    });
    ScriptedBoxes().QueueAnswer(QMessageBox::Yes);
    EXPECT_EQ(Form->StartUp(TCommandLine {}), std::nullopt);
    EXPECT_TRUE(LastMessage().Text.endsWith(QStringLiteral("Untitled?")));
    EXPECT_EQ(dialogs, 0) << "no welcome dialog";
    EXPECT_EQ(std::tuple(Form->WindowMode(), Doc().FileName(), Doc().SaveToBytes(), Doc().Modified()),
        std::tuple(wmEditing, "", untitled.SaveToBytes(), true));
}

TEST_F(RecoveryTest, CopiesOfRunningCopiesAndCopiesOfWhatWasSavedAreNotOffered)
{
    const std::unique_ptr<TVocabFile> crashed = ChangedList(List);
    const std::string changed = PlantOrphan(*crashed, List, "copy-2-2");
    QLockFile running(Folder + QStringLiteral("/copy-2-2.lock"));
    ASSERT_TRUE(running.tryLock(0)); // another copy, still running, holds it
    // A save that ended just before the crash: the copy holds what the file does.
    TVocabFile saved;
    saved.LoadFromFile(List);
    const std::string needless = PlantOrphan(saved, List, "copy-3-3");
    OpenList();
    EXPECT_TRUE(ScriptedBoxes().Shown().empty()) << LastMessage().Text.toStdString();
    EXPECT_FALSE(fs::exists(needless));
    EXPECT_TRUE(Copies().contains(QStringLiteral("copy-2-2.recovery")));

    // Once that copy has ended its changes are offered, even when the list was written after
    // the copy: another program's save is no reason to lose them.
    running.unlock();
    QDir(Folder).remove(QStringLiteral("copy-2-2.lock"));
    fs::last_write_time(changed, fs::last_write_time(List) - std::chrono::hours(1));
    ScriptedBoxes().QueueAnswer(QMessageBox::No);
    OpenList();
    EXPECT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_TRUE(fs::exists(changed));
}

TEST_F(RecoveryTest, AChangeByAnotherProgramIsToldOnceAndAReloadKeepsTheCurrentItem)
{
    OpenList();
    Doc().SetCurrentIndex(5);
    const std::string current(Doc().Items(5).FieldValue(fiForeign));
    // Another program puts a new item in front and saves by renaming over the file.
    TVocabFile other;
    other.LoadFromFile(List);
    other.SetCurrentIndex(0);
    other.NewItem().SetFieldValues("vorn", "", "", "in front");
    other.Add();
    other.MoveCurrent(0);
    SafeWriteFile(List, other.SaveToBytes());
    ScriptedBoxes().QueueAnswer(QMessageBox::Yes);
    ASSERT_TRUE(QTest::qWaitFor([] { return !ScriptedBoxes().Shown().empty(); }, 5000))
        << "the watcher saw nothing";
    EXPECT_EQ(LastMessage().Text, QStringLiteral("list.vmr has been changed by another program. Reload it?"));
    EXPECT_EQ(ScriptedBoxes().Shown().back().Buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(std::tuple(Doc().SaveToBytes(), Doc().Modified(), Doc().CurrentIndex(),
                  Doc().Items(6).FieldValue(fiForeign)),
        std::tuple(other.SaveToBytes(), false, 6, current));

    // The same bytes written again are no change; a change the user did not reload is told once.
    WriteBytes(List, other.SaveToBytes());
    Form->Recovery().CheckDiskFile();
    EXPECT_EQ(ScriptedBoxes().Shown().size(), 1u);
    other.SetCurrentIndex(0);
    other.DeleteCurrent();
    const auto time = fs::last_write_time(List); // kept, as a copy that keeps times would
    WriteBytes(List, other.SaveToBytes());
    fs::last_write_time(List, time);
    ScriptedBoxes().QueueAnswer(QMessageBox::No);
    Form->Recovery().CheckDiskFile();
    Form->Recovery().CheckDiskFile();
    EXPECT_EQ(ScriptedBoxes().Shown().size(), 2u);
    EXPECT_NE(Doc().Count(), other.Count());
}

TEST_F(RecoveryTest, AFailingSaveKeepsTheListModifiedAndItsCopyAndADeletedListIsWrittenAgain)
{
    OpenList();
    Edit();
    Form->Recovery().Flush();
    const std::string before = ReadBytes(List);
    SetSaveFaults([](TSaveCall call) { return call == TSaveCall::Sync ? ENOSPC : 0; });
    Trigger(Form->Command("miFileSave"));
    SetSaveFaults(nullptr);
    EXPECT_TRUE(LastMessage().Text.contains(QString::fromStdString(List))
        && LastMessage().Text.contains(QStringLiteral("The disk is full")))
        << LastMessage().Text.toStdString();
    EXPECT_TRUE(Doc().Modified());
    EXPECT_EQ(ReadBytes(List), before);
    Form->Recovery().Flush();
    EXPECT_EQ(Copies().size(), 1);

    // A list deleted while open is written again after telling the user.
    fs::remove(List);
    ScriptedBoxes().Clear();
    Trigger(Form->Command("miFileSave"));
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_TRUE(LastMessage().Text.contains(QString::fromStdString(List))
        && LastMessage().Text.contains(QStringLiteral("deleted or moved")));
    EXPECT_EQ(ReadBytes(List), Doc().SaveToBytes());
    EXPECT_FALSE(Doc().Modified());
}

// Which modes the folder and a copy get is the writer's rule; the window must use it.
TEST_F(RecoveryTest, CopiesAndTheirFolderAreTheUsersAloneWhateverTheUmask)
{
    Close();
    const mode_t mask = ::umask(0);
    Restart();
    OpenList();
    Edit();
    Form->Recovery().Flush();
    ::umask(mask);
    EXPECT_EQ(ModeOf(Folder.toStdString()), 0700u);
    ASSERT_EQ(Copies().size(), 1);
    EXPECT_EQ(ModeOf(Form->Recovery().Store()->OwnCopy().toStdString()), 0600u);
    EXPECT_TRUE(ScriptedBoxes().Shown().empty()) << LastMessage().Text.toStdString();
}

// Which folders are refused and why is the folder rule's; the window says it once and keeps out.
TEST_F(RecoveryTest, AFolderThatCannotBeTrustedIsSaidOnceAndNothingIsReadFromItOrWrittenThere)
{
    Form.reset();
    PlantOrphan(*ChangedList(List), List);
    fs::permissions(Folder.toStdString(), fs::perms::all);
    Restart();
    EXPECT_FALSE(Form->Recovery().Store()->Usable());
    EXPECT_EQ(Form->StartUp(TCommandLine { saShow, List }), std::nullopt);
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u) << ShownTexts().join(u'\n').toStdString();
    EXPECT_TRUE(LastMessage().Text.startsWith(QStringLiteral("Crash protection is off")));
    EXPECT_TRUE(LastMessage().Text.contains(Folder) && LastMessage().Text.contains(QLatin1String("write")))
        << LastMessage().Text.toStdString();
    EXPECT_EQ(Doc().SaveToBytes(), ReadBytes(List)) << "the planted copy is not offered";
    Edit();
    Form->Recovery().Flush();
    OpenList();
    EXPECT_EQ(ScriptedBoxes().Shown().size(), 1u) << "said once this session";
    EXPECT_EQ(Copies(), QStringList { QStringLiteral("copy-1-1.recovery") });
    fs::permissions(Folder.toStdString(), fs::perms::owner_all);
    Restart();
    EXPECT_TRUE(Form->Recovery().Store()->Usable());
}

TEST_F(RecoveryTest, CopiesThatAreNotTheUsersOwnAreNotOffered)
{
    const TSecondUser other;
    if (!other.Made())
        GTEST_SKIP() << other.Skip;
    const std::string planted = PlantOrphan(*ChangedList(List), List);
    ASSERT_EQ(::chown(planted.c_str(), other.Uid, other.Gid), 0);
    OpenList();
    EXPECT_TRUE(ScriptedBoxes().Shown().empty()) << LastMessage().Text.toStdString();
    EXPECT_EQ(Doc().SaveToBytes(), ReadBytes(List));
    fs::remove(planted);
}

TEST_F(RecoveryTest, SaveAfterRecoveringAsksWhenTheFileIsNotWhatTheCopySaysItWas)
{
    const std::unique_ptr<TVocabFile> crashed = ChangedList(List);
    const std::string fileBytes = ReadBytes(List);
    const struct {
        const char* Case;
        TFileStamp Stamp;
        bool Asked;
    } cases[] = {
        { "the copy says there was no file", {}, true },
        { "the file was changed since", StampOf(List, "other bytes"), true },
        { "the file is as the copy says", StampFile(List), false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Close();
        WriteBytes(List, fileBytes);
        PlantOrphan(*crashed, List, "copy-1-1", c.Stamp);
        Restart();
        ScriptedBoxes().QueueAnswer(QMessageBox::Yes);
        OpenList();
        ASSERT_EQ(Doc().SaveToBytes(), crashed->SaveToBytes());
        Trigger(Form->Command("miFileSave")); // the question's default is No
        EXPECT_EQ(
            LastMessage().Text == QStringLiteral("Overwrite the changes made by another program?"), c.Asked)
            << LastMessage().Text.toStdString();
        EXPECT_EQ(ReadBytes(List), c.Asked ? fileBytes : crashed->SaveToBytes());
    }
}

TEST_F(RecoveryTest, AFileReplacedAMomentIntoTheSaveIsNotOverwrittenUnlessTheUserSaysSo)
{
    OpenList();
    Edit();
    const std::string theirs = ChangedList(List)->SaveToBytes();
    // Another program saves by renaming over the file after the window looked at it, while the
    // new contents are being written.
    SetSaveFaults([&](TSaveCall call) {
        if (call == TSaveCall::Close && ReadBytes(List) != theirs) {
            WriteBytes(List + ".theirs", theirs);
            fs::rename(List + ".theirs", List);
        }
        return 0;
    });
    Trigger(Form->Command("miFileSave"));
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_EQ(LastMessage().Text, QStringLiteral("Overwrite the changes made by another program?"));
    EXPECT_EQ(ReadBytes(List), theirs) << "the default is No";
    EXPECT_TRUE(Doc().Modified());

    // Yes before the save (the file differs from what was opened) and Yes again when it is
    // replaced once more during the save.
    WriteBytes(List, "another version");
    ScriptedBoxes().QueueAnswer(QMessageBox::Yes);
    ScriptedBoxes().QueueAnswer(QMessageBox::Yes);
    Trigger(Form->Command("miFileSave"));
    EXPECT_EQ(ScriptedBoxes().Shown().size(), 3u);
    EXPECT_EQ(ReadBytes(List), Doc().SaveToBytes());
    EXPECT_FALSE(Doc().Modified());
    SetSaveFaults(nullptr);
    Edit();
    Trigger(Form->Command("miFileSave"));
    EXPECT_EQ(ScriptedBoxes().Shown().size(), 3u) << "its own save is no other program's";
}

TEST_F(RecoveryTest, OpeningAListWhoseRewriteBrokeOffCompletesItAndSaysSoOnce)
{
    fs::create_hard_link(List, Dir.File("other name.vmr"));
    const std::string saved = ChangedList(List)->SaveToBytes();
    int writes = 0;
    // The rewrite in place fails at its first write: the journal stays.
    SetSaveFaults([&](TSaveCall call) { return call == TSaveCall::Write && ++writes == 3 ? EIO : 0; });
    EXPECT_THROW(SafeWriteFile(List, saved), EFileError);
    SetSaveFaults(nullptr);
    OpenList();
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_TRUE(LastMessage().Text.contains(QStringLiteral("was broken off")))
        << LastMessage().Text.toStdString();
    EXPECT_EQ(Doc().SaveToBytes(), saved);
    EXPECT_EQ(ReadBytes(Dir.File("other name.vmr")), saved);
    EXPECT_FALSE(Doc().Modified());
    OpenList();
    EXPECT_EQ(ScriptedBoxes().Shown().size(), 1u) << "told once";
}
