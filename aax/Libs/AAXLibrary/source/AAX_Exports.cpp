/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The module's seven exported entry points. This file is included by the
// framework's AAX client, which is compiled into the plug-in binary; it is not
// compiled on its own.

#include "AAX_Init.h"

#define AAX_EXPORT extern "C" __attribute__ ((visibility ("default")))

AAX_EXPORT ACFRESULT ACFRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** out)
{
    return AAX_ExportBarrier ([&] { return AAXRegisterPlugin (host, out); });
}

AAX_EXPORT ACFRESULT ACFRegisterComponent (IACFUnknown* host, unsigned int index, IACFComponentDefinition** out)
{
    return AAX_ExportBarrier ([&] { return AAXRegisterComponent (host, index, out); });
}

AAX_EXPORT ACFRESULT ACFGetClassFactory (IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid, void** out)
{
    return AAX_ExportBarrier ([&] { return AAXGetClassFactory (host, clsid, iid, out); });
}

AAX_EXPORT ACFRESULT ACFCanUnloadNow (IACFUnknown* host)
{
    return AAX_ExportBarrier ([&] { return AAXCanUnloadNow (host); });
}

AAX_EXPORT ACFRESULT ACFStartup (IACFUnknown* host)
{
    return AAX_ExportBarrier ([&] { return AAXStartup (host); });
}

AAX_EXPORT ACFRESULT ACFShutdown (IACFUnknown* host)
{
    return AAX_ExportBarrier ([&] { return AAXShutdown (host); });
}

AAX_EXPORT ACFRESULT ACFGetSDKVersion (unsigned long long* version)
{
    return AAX_ExportBarrier ([&] { return AAXGetSDKVersion (reinterpret_cast<uint64_t*> (version)); });
}

#undef AAX_EXPORT
