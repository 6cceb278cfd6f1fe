// A plug-in library whose registration fails, for the host's error path.
#include <IACFUnknown.h>

#define TEST_EXPORT extern "C" __attribute__((visibility("default")))

// clang-format off
TEST_EXPORT AAX_Result ACFRegisterPlugin(IACFUnknown*, IACFUnknown**) { return -20004; }
TEST_EXPORT AAX_Result ACFRegisterComponent(IACFUnknown*, uint32_t, IACFUnknown**) { return 0; }
TEST_EXPORT AAX_Result ACFGetClassFactory(IACFUnknown*, const acfIID*, const acfIID*, void**) { return -20009; }
TEST_EXPORT AAX_Result ACFCanUnloadNow(IACFUnknown*) { return 0; }
TEST_EXPORT AAX_Result ACFStartup(IACFUnknown*) { return 0; }
TEST_EXPORT AAX_Result ACFShutdown(IACFUnknown*) { return 0; }
TEST_EXPORT AAX_Result ACFGetSDKVersion(uint64_t*) { return 0; }
TEST_EXPORT bool InitDll() { return true; }
TEST_EXPORT bool ExitDll() { return true; }
// clang-format on
