/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <stdexcept>
#include <string>

// Corrections to the LV2 description (the bundle's Turtle files) that the
// framework writes at build time. Each works on the framework's text exactly as
// it writes it and throws DescriptionError when that text is not what it
// expects, so that a changed framework stops the build instead of shipping a
// half-corrected description. Identifiers hosts keep in sessions and presets
// (the plug-in URI, parameter URIs and ranges, preset URIs) are never changed.

namespace vostrel::lv2
{
    /** The framework's text is not what a correction expects. */
    struct DescriptionError : std::runtime_error
    {
        using std::runtime_error::runtime_error;
    };

    /** dsp.ttl: the scale points of every parameter in the parameter's own units (the
        framework writes them normalised, while its range is in plain units), the
        plug-in typed as the given lv2core class (e.g. "EQPlugin") and as a project,
        as its maintainer and release properties need, no empty mailbox, and the
        options and the bounded block length optional, since the entry point supplies
        them to hosts that have none. */
    std::string correctPluginDescription (const std::string& text, const std::string& pluginUri,
                                          const std::string& pluginClass);

    /** manifest.ttl: declares the property by which the program presets name their
        program slot. */
    std::string correctManifest (const std::string& text, const std::string& pluginUri);

    /** ui.ttl: the UI's extension data lists only extension data and its optional
        features only features. */
    std::string correctUiDescription (const std::string& text, const std::string& pluginUri);
}
