/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The framework's AAX client, compiled against our own AAX headers. The client
// only builds itself when told it is being included on purpose, and it includes
// the library's exported entry points (AAX_Exports.cpp) itself.
#define JUCE_INCLUDED_AAX_IN_MM 1

// The client names the package after the plug-in's description; our package
// goes by its short name first.
#undef JucePlugin_Desc
#define JucePlugin_Desc VOSTREL_AAX_PACKAGE_NAME

#include <juce_audio_plugin_client/AAX/juce_AAX_Wrapper.cpp>
