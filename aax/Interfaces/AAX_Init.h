/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX.h"

/*  The library's side of the exported entry points: each is called by its export
    in AAX_Exports.cpp inside an exception barrier. */

/** Describes the plug-in through GetEffectDescriptions and writes the host's plug-in
    definition into out; the failing result after two trace lines otherwise. */
AAX_Result AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** out);
/** Writes null: the plug-in registers no extra components; 0. */
AAX_Result AAXRegisterComponent (IACFUnknown* host, uint32_t index, IACFComponentDefinition** out);
/** Writes null: objects are made only through the registered creators; -20009. */
AAX_Result AAXGetClassFactory (IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid, void** out);
/** The number of live component objects: 0 means the module may be unloaded. */
AAX_Result AAXCanUnloadNow (IACFUnknown* host);
/** Installs the host's diagnostics service; 0. */
AAX_Result AAXStartup (IACFUnknown* host);
/** Removes the host's diagnostics service; 0. */
AAX_Result AAXShutdown (IACFUnknown* host);
/** Writes the library's interface version; 0. */
AAX_Result AAXGetSDKVersion (uint64_t* version);

/** Runs an entry point so that no exception reaches the host's loader. */
template <typename EntryPoint>
ACFRESULT AAX_ExportBarrier (EntryPoint&& entryPoint) noexcept
{
    try
    {
        return entryPoint();
    }
    catch (...)
    {
        return ACF_E_UNEXPECTED;
    }
}
