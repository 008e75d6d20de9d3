// What the session tells its listeners: every way of changing the list, its file or the mode.

#include "core/DocumentBuilders.h"
#include "settings/Session.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// The changes a listener to everything heard while the action ran, or'ed. A new file name is
// told once the document has it.
std::uint32_t Heard(TSession& session, const std::function<void(TSession&)>& action)
{
    std::uint32_t heard = 0;
    std::string named;
    const TSubscription listen(session.Changes(), mcList | mcFileName | mcMode, [&](std::uint32_t changes) {
        heard |= changes;
        if (changes & mcFileName)
            named = session.Document().FileName();
    });
    action(session);
    EXPECT_TRUE(!(heard & mcFileName) || named == session.Document().FileName()) << named;
    return heard;
}

} // namespace

TEST(SessionChanges, EveryKindOfChangeIsToldAndNothingElse)
{
    const TTempDir dir;
    const std::string saved = dir.File("a.vmr");
    TVocabFile apart; // loaded apart: tells no one
    AppendByAdd(apart, "Haus");
    apart.SaveToFile(saved);
    const struct {
        const char* Name;
        std::function<void(TSession&)> Action;
        std::uint32_t Heard;
    } cases[] = {
        { "add", [](TSession& s) { AppendByAdd(s.Document(), "Haus"); }, mcList },
        { "undo", [](TSession& s) { s.Document().Undo(); }, mcList },
        { "answer", [](TSession& s) { s.Document().RecordAnswer(true, 3); }, mcList },
        { "recount", [](TSession& s) { s.Document().RecountLearnt(); }, mcList },
        { "saved", [](TSession& s) { s.Document().MarkSaved(); }, mcList },
        { "saved as", [](TSession& s) { s.Document().MarkSavedAs("b.vmr"); }, mcList | mcFileName },
        { "recovered",
            [](TSession& s) {
                s.Document().MarkSaved();
                s.Document().MarkRecovered("c.vmr");
                EXPECT_TRUE(s.Document().Modified()) << "a recovered list is not saved";
            },
            mcList | mcFileName },
        { "cleared", [](TSession& s) { s.Document().Clear(); }, mcList | mcFileName },
        { "loaded", [&saved](TSession& s) { s.Document().LoadFromFile(saved); }, mcList | mcFileName },
        { "new document", [](TSession& s) { s.ReplaceDocument(std::make_unique<TVocabFile>()); },
            mcList | mcFileName },
        { "new document changed",
            [](TSession& s) {
                s.ReplaceDocument(std::make_unique<TVocabFile>());
                EXPECT_EQ(Heard(s, [](TSession& t) { AppendByAdd(t.Document(), "Haus"); }), mcList);
            },
            mcList | mcFileName },
        { "no document", [](TSession& s) { s.ReplaceDocument(nullptr); }, 0 },
        { "mode", [](TSession& s) { s.SetMode(wmTesting); }, mcMode },
        { "same mode", [](TSession& s) { s.SetMode(wmEditing); }, 0 },
        { "current row", [](TSession& s) { s.Document().SetCurrentIndex(1); }, 0 },
        { "another list", [&apart](TSession&) { AppendByAdd(apart, "Baum"); }, 0 },
    };
    for (const auto& c : cases) {
        TSession session;
        AppendByAdd(session.Document(), "Baum");
        AppendByAdd(session.Document(), "Hund");
        session.Document().SetCurrentIndex(0);
        session.SetMode(wmEditing);
        EXPECT_EQ(Heard(session, c.Action), c.Heard) << c.Name;
    }
}

TEST(SessionChanges, ListenersHearOnlyTheirKindsAndMayComeAndGoWhileBeingTold)
{
    TSession session;
    TChangeNotice& notice = session.Changes();
    std::vector<std::string> told;
    std::uint32_t second = 0;
    const std::uint32_t first = notice.Subscribe(mcMode, [&](std::uint32_t) {
        told.push_back("first");
        // The second, told after this one, leaves before it is told; a newcomer waits.
        notice.Unsubscribe(second);
        notice.Subscribe(mcMode, [&](std::uint32_t) { told.push_back("newcomer"); });
    });
    second = notice.Subscribe(mcMode, [&](std::uint32_t) { told.push_back("second"); });
    notice.Subscribe(mcList, [&](std::uint32_t) { told.push_back("list"); });
    session.SetMode(wmEditing);
    EXPECT_EQ(told, (std::vector<std::string> { "first" }));
    notice.Unsubscribe(first);
    told.clear();
    session.SetMode(wmNone);
    EXPECT_EQ(told, (std::vector<std::string> { "newcomer" }));
    EXPECT_EQ(notice.Listeners(), 2u);
}
