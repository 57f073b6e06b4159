/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// vostrel-lv2-describe <bundle folder> <plug-in URI> <lv2core plug-in class>
//
// The build step run right after the framework has written the LV2 bundle's
// description: corrects manifest.ttl, dsp.ttl and ui.ttl in place. Any text
// it does not recognise fails the build.

#include "Lv2Description.h"

#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>

namespace
{
    void correctFile (const std::string& path, const std::function<std::string (const std::string&)>& correct)
    {
        std::ifstream in (path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();

        if (! in)
            throw vostrel::lv2::DescriptionError ("cannot read " + path);

        const auto corrected = correct (text.str());
        in.close();

        std::ofstream out (path, std::ios::binary | std::ios::trunc);
        out << corrected;

        if (! out.flush())
            throw vostrel::lv2::DescriptionError ("cannot write " + path);
    }
}

int main (int argc, char** argv)
{
    if (argc != 4)
    {
        std::cerr << "usage: vostrel-lv2-describe <bundle folder> <plug-in URI> <lv2core plug-in class>\n";
        return 2;
    }

    const std::string bundle = argv[1], uri = argv[2], pluginClass = argv[3];

    try
    {
        using namespace vostrel::lv2;
        correctFile (bundle + "/manifest.ttl", [&] (const std::string& t) { return correctManifest (t, uri); });
        correctFile (bundle + "/dsp.ttl", [&] (const std::string& t) { return correctPluginDescription (t, uri, pluginClass); });
        correctFile (bundle + "/ui.ttl", [&] (const std::string& t) { return correctUiDescription (t, uri); });
    }
    catch (const vostrel::lv2::DescriptionError& e)
    {
        std::cerr << "vostrel-lv2-describe: " << bundle << ": " << e.what() << "\n";
        return 1;
    }

    return 0;
}
