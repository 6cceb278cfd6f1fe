// chordwell-vst3-moduleinfo BINARY OUTPUT: loads the built bundle's binary as a host does
// (ModuleEntry, GetPluginFactory), asks its factory for every class and writes the bundle's
// Contents/Resources/moduleinfo.json from the answers, so that hosts can list the plug-in
// without loading it and the file never disagrees with the factory. Build time, main thread.
#include <pluginterfaces/base/ipluginbase.h>

#include <nlohmann/json.hpp>

#include <dlfcn.h>

#include <cstdio>
#include <fstream>
#include <string>

using namespace Steinberg;

namespace
{
std::string hexClassId(const TUID cid)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (int i = 0; i < 16; ++i)
    {
        const auto byte = static_cast<unsigned char>(cid[i]);
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

// "Fx|Reverb" as the list the file holds.
nlohmann::json subCategories(const std::string& text)
{
    nlohmann::json list = nlohmann::json::array();
    for (size_t start = 0; !text.empty();)
    {
        // The last part's count (npos - start) runs to the end of the text.
        const size_t bar = text.find('|', start);
        list.push_back(text.substr(start, bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    return list;
}

nlohmann::json describe(IPluginFactory* factory, const std::string& moduleName)
{
    PFactoryInfo info;
    factory->getFactoryInfo(&info);
    nlohmann::json module = {
        {"Name", moduleName},
        {"Factory Info",
         {{"Vendor", info.vendor},
          {"URL", info.url},
          {"E-Mail", info.email},
          {"Flags",
           {{"Unicode", (info.flags & PFactoryInfo::kUnicode) != 0},
            {"Classes Discardable", (info.flags & PFactoryInfo::kClassesDiscardable) != 0},
            {"Component Non Discardable",
             (info.flags & PFactoryInfo::kComponentNonDiscardable) != 0}}}}},
        {"Compatibility", nlohmann::json::array()},
        {"Classes", nlohmann::json::array()}};

    IPluginFactory2* factory2 = nullptr;
    factory->queryInterface(IPluginFactory2::iid, reinterpret_cast<void**>(&factory2));
    for (int32 i = 0; i < factory->countClasses(); ++i)
    {
        PClassInfo2 classInfo;
        if (factory2 == nullptr || factory2->getClassInfo2(i, &classInfo) != kResultOk)
            continue;
        module["Classes"].push_back({{"CID", hexClassId(classInfo.cid)},
                                     {"Category", classInfo.category},
                                     {"Name", classInfo.name},
                                     {"Vendor", classInfo.vendor},
                                     {"Version", classInfo.version},
                                     {"SDKVersion", classInfo.sdkVersion},
                                     {"Sub Categories", subCategories(classInfo.subCategories)},
                                     {"Class Flags", classInfo.classFlags},
                                     {"Cardinality", classInfo.cardinality},
                                     {"Snapshots", nlohmann::json::array()}});
        if (i == 0)
            module["Version"] = classInfo.version;
    }
    if (factory2 != nullptr)
        factory2->release();
    return module;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: chordwell-vst3-moduleinfo BINARY MODULE-NAME OUTPUT\n");
        return 2;
    }
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
    {
        std::fprintf(stderr, "chordwell-vst3-moduleinfo: %s\n", dlerror());
        return 1;
    }
    using Entry = bool (*)(void*);
    using Exit = bool (*)();
    using GetFactory = IPluginFactory* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(library, "ModuleEntry"));
    const auto exit = reinterpret_cast<Exit>(dlsym(library, "ModuleExit"));
    const auto getFactory = reinterpret_cast<GetFactory>(dlsym(library, "GetPluginFactory"));
    if (entry == nullptr || exit == nullptr || getFactory == nullptr || !entry(library))
    {
        std::fprintf(stderr, "chordwell-vst3-moduleinfo: %s is no VST 3 module\n", argv[1]);
        return 1;
    }
    IPluginFactory* factory = getFactory();
    const nlohmann::json module = factory != nullptr ? describe(factory, argv[2]) : nullptr;
    exit();
    if (module.is_null() || module["Classes"].empty())
    {
        std::fprintf(stderr, "chordwell-vst3-moduleinfo: the factory describes no class\n");
        return 1;
    }
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << module.dump(2) << '\n';
    out.close();
    if (!out)
    {
        std::fprintf(stderr, "chordwell-vst3-moduleinfo: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
