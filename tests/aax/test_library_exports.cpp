#include <AAX_IEffectDirectData.h>
#include <AAX_IEffectGUI.h>
#include <AAX_IEffectParameters.h>
#include <AAX_IHostInterfaces.h>
#include <aax_host/DescriptionRecorder.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <set>
#include <string>

namespace
{
// A host object that can withhold each of its interfaces.
struct TestHost final : IACFUnknown
{
    struct Definition final : IACFUnknown
    {
        AAX_Result QueryInterface(const acfIID&, void** out) override
        {
            *out = this;
            return 0;
        }
    } definition;
    DescriptionRecorder recorder;
    bool offersCollection = true;
    bool offersDefinition = true;

    AAX_Result QueryInterface(const acfIID& iid, void** out) override
    {
        *out = nullptr;
        if (iid == IID_IAAXCollection && offersCollection)
            *out = static_cast<AAX_IACFCollection*>(&recorder);
        if (iid == IID_IACFPluginDefinition && offersDefinition)
            *out = &definition;
        return *out != nullptr ? 0 : -20004;
    }
};

struct Library
{
    Library() : handle(dlopen(ORL_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL)) {}
    ~Library()
    {
        if (handle != nullptr)
            dlclose(handle);
    }
    template <typename F> F entry(const char* name) const
    {
        return reinterpret_cast<F>(dlsym(handle, name));
    }
    void* handle;
};

using Entry = AAX_Result (*)(IACFUnknown*);
using Register = AAX_Result (*)(IACFUnknown*, IACFUnknown**);

TEST(PluginLibrary, exports_exactly_the_nine_entry_points_and_the_sdk_version_hosts_check)
{
    FILE* pipe = popen("nm -D --defined-only " ORL_PLUGIN_PATH, "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr)
    {
        std::string text(line);
        const size_t last = text.find_last_of(' ');
        names.insert(text.substr(last + 1, text.find_last_not_of("\n") - last));
    }
    ASSERT_EQ(pclose(pipe), 0);
    EXPECT_EQ(names,
              (std::set<std::string>{"ACFRegisterPlugin", "ACFRegisterComponent",
                                     "ACFGetClassFactory", "ACFCanUnloadNow", "ACFStartup",
                                     "ACFShutdown", "ACFGetSDKVersion", "InitDll", "ExitDll"}));
    Library library;
    ASSERT_NE(library.handle, nullptr) << dlerror();
    uint64_t version = 0;
    EXPECT_EQ(library.entry<AAX_Result (*)(uint64_t*)>("ACFGetSDKVersion")(&version), 0);
    EXPECT_EQ(version, 0x0000020200B45B38ull);
}

TEST(PluginLibrary, registration_failures_become_result_codes_and_unloading_waits_for_every_object)
{
    Library library;
    auto registerPlugin = library.entry<Register>("ACFRegisterPlugin");
    TestHost lostCollection;
    lostCollection.offersCollection = false;
    IACFUnknown* definition = nullptr;
    EXPECT_EQ(registerPlugin(&lostCollection, &definition), static_cast<AAX_Result>(0x8000FFFF));

    TestHost noDefinition;
    noDefinition.offersDefinition = false;
    EXPECT_EQ(registerPlugin(&noDefinition, &definition), -20004);
    EXPECT_EQ(noDefinition.recorder.description().effects.size(), 1u);

    TestHost good;
    ASSERT_EQ(registerPlugin(&good, &definition), 0);
    EXPECT_EQ(definition, &good.definition);
    auto canUnload = library.entry<Entry>("ACFCanUnloadNow");
    const EffectDescription& effect = good.recorder.description().effects.at(0);
    EXPECT_EQ(canUnload(nullptr), 0);
    auto* parameters = static_cast<AAX_IEffectParameters*>(effect.proc(0)());
    auto* direct = static_cast<AAX_IEffectDirectData*>(effect.proc(5)());
    auto* gui = static_cast<AAX_IEffectGUI*>(effect.proc(1)());
    EXPECT_EQ(canUnload(nullptr), 3);
    delete parameters;
    delete gui;
    EXPECT_EQ(canUnload(nullptr), 1);
    delete direct;
    EXPECT_EQ(canUnload(nullptr), 0);
}
} // namespace
