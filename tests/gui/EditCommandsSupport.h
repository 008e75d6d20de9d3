#pragma once
// The main window with its hooks reset: shown and active on a small list for the clipboard, find,
// sort and import tests, or on a copy of the example list for the file tests.

#include "core/DocumentBuilders.h"
#include "gui/DialogTestSupport.h"
#include "qtsupport/FileDialogs.h"
#include "settings/MemoryStore.h"
#include "settings/Settings.h"
#include "support/TempDir.h"
#include "ui/Features.h"
#include "ui/VocabGrid.h"

#include <string>
#include <vector>

inline const std::string ExampleList = std::string(VELMORIA_SOURCE_DIR) + "/examples/German-English.vmr";

class TWindowTest : public ::testing::Test {
public: // the tables of cases reach the fixture through a reference
    void SetUp() override
    {
        ClearScripted();
        QGuiApplication::clipboard()->clear();
        auto store = std::make_unique<TMemorySettingsStore>();
        Store = store.get();
        Form = std::make_unique<TMainForm>(std::move(store));
    }
    void TearDown() override
    {
        ScriptedRunner().Set(nullptr);
        Form.reset();
        ClearScripted();
    }
    // A command chosen by the user, with the idle update before and after it.
    void Trigger(QAction* action)
    {
        Form->UpdateCommandState();
        ASSERT_TRUE(action->isEnabled()) << action->objectName().toStdString();
        action->trigger();
        Form->UpdateCommandState();
    }

    TVocabFile& Doc() const { return Form->Session().Document(); }
    TOptions& Options() const { return Form->Session().Settings.Options; }

    TTempDir Dir;
    TMemorySettingsStore* Store = nullptr;
    std::unique_ptr<TMainForm> Form;
};

// The window on List, a copy of the example list, once OpenList has opened it.
class TListWindowTest : public TWindowTest {
public:
    void SetUp() override
    {
        std::filesystem::copy_file(ExampleList, List);
        TWindowTest::SetUp();
    }
    void OpenList()
    {
        ASSERT_TRUE(Form->File().OpenFile(List));
        Form->SetWindowMode(wmEditing);
        Form->UpdateCommandState();
    }

    const std::string List = Dir.File("list.vmr");
};

class EditCommandsTest : public TWindowTest {
public:
    void SetUp() override
    {
        TWindowTest::SetUp();
        ShowActive(*Form);
    }
    // A list in the given languages, shown for editing with the item at current selected.
    void ShowList(const std::vector<TListItem>& items, std::int32_t current = 0, LangId foreign = German,
        LangId native = English)
    {
        Form->Session().ReplaceDocument(ListOf(items, foreign, native));
        Doc().SetCurrentIndex(current);
        Form->SetWindowMode(wmEditing);
        Form->Grid()->Model()->Reset();
        Form->RefreshGrid();
        Form->UpdateCommandState();
    }
    TWords Words(int field = fiForeign) { return Field(Doc(), field); }
    void Select(std::int32_t index)
    {
        Doc().SetCurrentIndex(index);
        Form->RefreshGrid();
        Form->UpdateCommandState();
    }
};
