#include <gtest/gtest.h>

#include <string>

#include "app/registry_keys.h"
#include "app/startup.h"
#include "tests/app/fake_system.h"

namespace app {
namespace {

using testing::FakeSystem;
using testing::U8;

constexpr std::u16string_view kNewGuid = u"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";

class StartupTest : public ::testing::Test {
protected:
    StartupTest() { system.executablePath = u"C:\\Users\\Ann\\Downloads\\VelnixSetup.web.exe"; }

    FakeSystem::RegistryValue* Value(std::u16string_view key, std::u16string_view name) {
        auto found = system.registry.find(std::u16string(key));
        if (found == system.registry.end()) return nullptr;
        auto value = found->second.find(std::u16string(name));
        return value == found->second.end() ? nullptr : &value->second;
    }

    FakeSystem system;
    TSetupState state;
};

TEST_F(StartupTest, FreshMachineCreatesTheIdentityAndOffersTheFolders) {
    system.drives = {{u"C:\\", DriveType::Fixed}, {u"D:\\", DriveType::CdRom}, {u"Z:\\", DriveType::Fixed}};
    const StartupDecision decision = StartUp(state, system.Services());

    EXPECT_EQ(decision.Mode, SetupMode::Install);
    EXPECT_EQ(U8(decision.WindowCaption), "Install Velnix");
    EXPECT_TRUE(decision.InstallButtonCaption.empty());
    EXPECT_TRUE(decision.ShowCustomInstall);
    EXPECT_FALSE(decision.ShortIntro);
    ASSERT_EQ(decision.Folders.size(), 2u);
    EXPECT_EQ(U8(decision.Folders[0]), "C:\\Users\\Ann\\AppData\\Roaming\\Velnix");
    EXPECT_EQ(U8(decision.Folders[1]), "Z:\\Velnix");
    EXPECT_EQ(decision.SelectedFolder, 0);

    EXPECT_EQ(U8(state.SetupVersion), "2.0");
    EXPECT_EQ(U8(state.ChannelTag), "web");
    EXPECT_EQ(U8(state.InstallId), U8(kNewGuid));
    EXPECT_TRUE(state.InstallDir.empty());
    EXPECT_TRUE(state.LanguageTag.empty());
    EXPECT_EQ(system.events, (std::vector<std::string>{"registry create Software\\Velnix",
                                                       "registry set Software\\Velnix uuid=" + U8(kNewGuid),
                                                       "registry set Software\\Velnix fl=web"}));
}

TEST_F(StartupTest, StoredUuidIsKeptUnlessEmptyOrNotText) {
    const struct {
        const char* name;
        std::optional<FakeSystem::RegistryValue> stored;
        std::string installId;
        bool written;
    } cases[] = {
        {"missing", std::nullopt, U8(kNewGuid), true},
        {"empty", FakeSystem::RegistryValue{u"", true}, U8(kNewGuid), true},
        {"any non-empty text", FakeSystem::RegistryValue{u"not a guid at all", true}, "not a guid at all", false},
        {"lower-case GUID", FakeSystem::RegistryValue{u"{abc}", true}, "{abc}", false},
        {"not a string value", FakeSystem::RegistryValue{u"", false}, U8(kNewGuid), true},
    };
    for (const auto& c : cases) {
        FakeSystem machine;
        machine.executablePath = u"C:\\d\\VelnixSetup.exe";
        if (c.stored) machine.registry[std::u16string(kProductKey)][u"uuid"] = *c.stored;
        TSetupState fresh;
        StartUp(fresh, machine.Services());
        EXPECT_EQ(U8(fresh.InstallId), c.installId) << c.name;
        EXPECT_EQ(U8(machine.registry[std::u16string(kProductKey)][u"uuid"].Text), c.installId) << c.name;
        EXPECT_EQ(!machine.EventsStartingWith("registry set Software\\Velnix uuid=").empty(), c.written) << c.name;
    }
}

TEST_F(StartupTest, TheFirstChannelRecordedStaysWhileReportsCarryTheRunningFilesTag) {
    const struct {
        const char* name;
        std::u16string executable;
        std::optional<std::u16string> storedFl;
        std::string channelTag;
        std::optional<std::string> flAfter;
    } cases[] = {
        {"fl missing, tag present", u"C:\\d\\setup.b.exe", std::nullopt, "b", "b"},
        {"fl present, other tag", u"C:\\d\\setup.b.exe", u"a", "b", "a"},
        {"fl present and empty", u"C:\\d\\setup.b.exe", u"", "b", ""},
        {"fl missing, no tag", u"C:\\d\\setup.exe", std::nullopt, "", std::nullopt},
    };
    for (const auto& c : cases) {
        FakeSystem machine;
        machine.executablePath = c.executable;
        if (c.storedFl) machine.registry[std::u16string(kProductKey)][u"fl"] = {*c.storedFl, true};
        TSetupState fresh;
        StartUp(fresh, machine.Services());
        EXPECT_EQ(U8(fresh.ChannelTag), c.channelTag) << c.name;
        auto& values = machine.registry[std::u16string(kProductKey)];
        if (c.flAfter) {
            ASSERT_TRUE(values.count(u"fl")) << c.name;
            EXPECT_EQ(U8(values[u"fl"].Text), *c.flAfter) << c.name;
        } else {
            EXPECT_FALSE(values.count(u"fl")) << c.name;
        }
    }
}

TEST_F(StartupTest, AnUnopenableProductKeyLeavesTheIdentityEmpty) {
    system.unopenableKeys.insert(std::u16string(kProductKey));
    const StartupDecision decision = StartUp(state, system.Services());
    EXPECT_EQ(decision.Mode, SetupMode::Install);
    EXPECT_TRUE(state.InstallId.empty());
    EXPECT_TRUE(system.EventsStartingWith("registry set").empty());
    EXPECT_FALSE(system.logLines.empty());
}

TEST_F(StartupTest, UninstallerNameStopsRightAfterTheVersion) {
    system.executablePath = u"C:\\Apps\\Velnix\\UNINSTALL.EXE";
    system.registry[std::u16string(kUninstallKey)][u"UninstallString"] = {u"C:\\Apps\\Velnix\\Uninstall.exe", true};
    const StartupDecision decision = StartUp(state, system.Services());
    EXPECT_EQ(decision.Mode, SetupMode::Uninstall);
    EXPECT_EQ(U8(state.SetupVersion), "2.0");
    EXPECT_TRUE(state.ChannelTag.empty());
    EXPECT_TRUE(state.InstallId.empty());
    EXPECT_TRUE(state.InstallDir.empty());
    EXPECT_TRUE(system.events.empty());
}

TEST_F(StartupTest, RegisteredUninstallerQuotedOrNotSelectsUpdateMode) {
    for (const std::u16string stored :
         {u"C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe", u"\"C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe\""}) {
        FakeSystem machine;
        machine.executablePath = u"C:\\d\\VelnixSetup.exe";
        machine.registry[std::u16string(kUninstallKey)][u"UninstallString"] = {stored, true};
        TSetupState fresh;
        const StartupDecision decision = StartUp(fresh, machine.Services());
        EXPECT_EQ(decision.Mode, SetupMode::Update) << U8(stored);
        EXPECT_EQ(U8(fresh.InstallDir), "C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe") << U8(stored);
        EXPECT_EQ(U8(decision.WindowCaption), "Update Velnix");
        EXPECT_EQ(U8(decision.InstallButtonCaption), "Update Now");
        EXPECT_FALSE(decision.ShowCustomInstall);
        EXPECT_TRUE(decision.ShortIntro);
        EXPECT_TRUE(decision.Folders.empty());
        EXPECT_EQ(decision.SelectedFolder, -1);
    }
}

TEST_F(StartupTest, AnUninstallEntryWithoutAStringValueMeansInstallMode) {
    system.registry[std::u16string(kUninstallKey)][u"DisplayName"] = {u"Velnix", true};
    system.registry[std::u16string(kUninstallKey)][u"UninstallString"] = {u"", false};
    EXPECT_EQ(StartUp(state, system.Services()).Mode, SetupMode::Install);
    EXPECT_TRUE(state.InstallDir.empty());
}

TEST_F(StartupTest, NoFixedDriveGivesAnEmptyListWithNothingSelected) {
    system.drives = {{u"A:\\", DriveType::Removable}};
    const StartupDecision decision = StartUp(state, system.Services());
    EXPECT_TRUE(decision.Folders.empty());
    EXPECT_EQ(decision.SelectedFolder, -1);
}

TEST_F(StartupTest, MissingVersionResourceLeavesTheVersionEmpty) {
    system.resources.erase(u"ver");
    StartUp(state, system.Services());
    EXPECT_TRUE(state.SetupVersion.empty());
}

}  // namespace
}  // namespace app
