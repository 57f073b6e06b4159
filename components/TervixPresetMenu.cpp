/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "TervixPresetMenu.h"
#include "PresetXml.h"

#include <cmath>
#include <filesystem>
#include <string_view>

namespace TervixPresets
{
    juce::File normalise (const juce::File& file)
    {
        const auto path = std::filesystem::path (file.getFullPathName().toStdString()).lexically_normal();
        return juce::File (juce::String (path.string()));
    }

    /** Where a path really leads: links followed and "." and ".." resolved, the
        part that does not exist yet taken as written. A link that leads nowhere is
        followed too, wherever it stands on the path, since writing through it
        creates its target. A null file when the path cannot be resolved. */
    static juce::File resolveLinks (const juce::File& file)
    {
        namespace fs = std::filesystem;
        std::error_code error, notFound;
        auto path = fs::weakly_canonical (file.getFullPathName().toStdString(), error);

        // weakly_canonical follows every link on the part of the path that exists:
        // the first name that leads nowhere ends it, and it may be a link. As many
        // links in a row as the system itself follows.
        for (int links = 0; ! error; ++links)
        {
            fs::path existing;
            auto name = path.begin();

            for (; name != path.end() && fs::exists (fs::status (existing / *name, notFound)); ++name)
                existing /= *name;

            if (name == path.end() || ! fs::is_symlink (fs::symlink_status (existing / *name, notFound)))
                return juce::File (juce::String (path.string()));

            if (links == 40)
                break;

            auto target = existing / fs::read_symlink (existing / *name, error);

            while (++name != path.end())
                target /= *name;

            path = fs::weakly_canonical (target, error);
        }

        return {};
    }

    bool isInsideUserPresetFolder (const juce::File& file)
    {
        return resolveLinks (file).isAChildOf (resolveLinks (getUserPresetFolder()));
    }

    bool isUserPresetFolderOrInside (const juce::File& file)
    {
        const auto folder = resolveLinks (getUserPresetFolder());
        return (folder != juce::File() && resolveLinks (file) == folder) || isInsideUserPresetFolder (file);
    }

    juce::String getRelativePresetPath (const juce::File& file)
    {
        return normalise (file).getRelativePathFrom (getUserPresetFolder());
    }

    /** Whether the text holds a C0 control, DEL or a C1 control (U+0080 to U+009F,
        in UTF-8 the byte C2 and then 80 to 9F). Judged by bytes: the framework's
        own decoding may step past the end of text that is not UTF-8. */
    static bool holdsControlCharacter (const juce::String& text)
    {
        const std::string_view bytes (text.toRawUTF8());

        for (size_t i = 0; i < bytes.size(); ++i)
        {
            const auto byte = (unsigned char) bytes[i];

            if (byte < 0x20 || byte == 0x7f
                || (byte == 0xc2 && i + 1 < bytes.size() && (unsigned char) bytes[i + 1] < 0xa0
                    && (unsigned char) bytes[i + 1] >= 0x80))
                return true;
        }

        return false;
    }

    bool canBeStored (const juce::String& relativePath)
    {
        // The framework reads a path that starts with "~" as a home folder: a
        // sub-folder named "~" would stand for the user's own home. Control
        // characters are never typed: they come with pasted text or bytes that
        // were not UTF-8, and show as nothing or as another name. A path longer
        // than the system allows names no file, and is judged before anything
        // else looks into it.
        return fitsSystemPathLimits (relativePath) && ! relativePath.startsWithChar ('~')
               && ! relativePath.containsChar ('\\') && ! holdsControlCharacter (relativePath)
               && PresetXml::survivesWriting (relativePath);
    }

    juce::String* getLivePresetPath (VostrelZR2814AudioProcessor& processor)
    {
        if (! juce::isPositiveAndBelow ((int) processor.currentProgram, VostrelZR2814AudioProcessor::numPrograms))
            return nullptr;

        return &processor.programs[processor.currentProgram].presetPath[processor.getActiveChannel()];
    }

    std::unique_ptr<juce::XmlElement> parsePresetFile (const juce::File& file)
    {
        // A device or a pipe could block the message thread or never end.
        std::error_code error;

        if (! std::filesystem::is_regular_file (file.getFullPathName().toStdString(), error)
            || file.getSize() > maxPresetFileBytes)
            return {};

        return PresetXml::parseFile (file);
    }
}

//==============================================================================
TervixPresetMenu::TervixPresetMenu (const juce::String& name)
    : TervixOptionMenuTree (name)
{
}

TervixPresetMenu::~TervixPresetMenu()
{
    presetXml.reset();
}

void TervixPresetMenu::mouseDown (const juce::MouseEvent&)
{
    popUpMenu ([this] (int result)
    {
        if (result > 0)
            markedAsChanged = false;
    });
}

void TervixPresetMenu::setSelectedFilePath (const juce::String& path)
{
    markedAsChanged = ! selectFilePath (path);

    if (! markedAsChanged)
        return;

    // A path that names no file at all has no name to show, only the mark.
    const auto name = fitsSystemPathLimits (selectedFilePath)
                          ? getRootFolder().getChildFile (selectedFilePath).getFileNameWithoutExtension()
                          : juce::String();
    setText (name + "*", juce::dontSendNotification);
}

void TervixPresetMenu::setSelectedFileIndex (int itemId)
{
    if (selectFileIndex (itemId))
        markedAsChanged = false;
}

void TervixPresetMenu::setPresetHasChanged()
{
    if (markedAsChanged)
        return;

    setText (getText() + "*", juce::dontSendNotification);
    markedAsChanged = true;
}

void TervixPresetMenu::setMarkedAsChange (bool isMarked)
{
    markedAsChanged = isMarked;
}

juce::String TervixPresetMenu::getTextToDraw()
{
    const auto text = getText();

    if (! markedAsChanged || ! text.endsWithChar ('*'))
        return text;

    // The label squeezes text down to its minimum horizontal scale and cuts
    // whatever is still too wide, the mark included.
    const auto labelFont = getLookAndFeel().getLabelFont (*this);
    const float scale = getMinimumHorizontalScale() > 0.0f ? getMinimumHorizontalScale()
                                                           : juce::Font::getDefaultMinimumHorizontalScaleFactor();
    const float available = (float) getBorderSize().subtractedFrom (getLocalBounds()).getWidth() / scale - 1.0f;

    if (labelFont.getStringWidthFloat (text) <= available)
        return text;

    // The longest start of the name that fits beside the mark, found by halving:
    // dropping one character at a time costs the square of a long name's length
    // on every paint.
    const auto mark = juce::String::charToString (0x2026) + "*";
    const auto name = text.dropLastCharacters (1);
    int fits = 0, tooLong = name.length() + 1;

    while (tooLong - fits > 1)
    {
        const int middle = fits + (tooLong - fits) / 2;

        if (labelFont.getStringWidthFloat (name.substring (0, middle) + mark) > available)
            tooLong = middle;
        else
            fits = middle;
    }

    return name.substring (0, fits).trimEnd() + mark;
}

void TervixPresetMenu::paint (juce::Graphics& g)
{
    g.fillAll (findColour (backgroundColourId));
    g.setColour (findColour (textColourId).withMultipliedAlpha (isEnabled() ? 1.0f : 0.5f));
    g.setFont (getLookAndFeel().getLabelFont (*this));
    g.drawFittedText (getTextToDraw(), getBorderSize().subtractedFrom (getLocalBounds()), getJustificationType(), 1,
                      getMinimumHorizontalScale());
}

bool TervixPresetMenu::isListed (const juce::File& file) const
{
    // A picked preset's path goes into the host session with its slot. A name that
    // would come back as another name would point a restored slot, or the next
    // save, at another file: such names are not offered.
    return TervixPresets::canBeStored (getRelativePath (file));
}

juce::File TervixPresetMenu::getFileOf (const juce::String& path) const
{
    // Stored paths come from host sessions as well as from the menu. One the menu
    // could not have stored would be read as the framework reads it: "~/x.tzrp"
    // as the user's own ~/x.tzrp, not the file in the folder named "~". Such a
    // path, or one whose ".." names climb out, names no preset at all.
    if (! TervixPresets::canBeStored (path))
        return {};

    const auto root = TervixPresets::normalise (getRootFolder());
    const auto file = TervixPresets::normalise (root.getChildFile (path));
    return file.isAChildOf (root) ? file : juce::File();
}

//==============================================================================
int TervixPresetMenu::readPreset (VostrelZR2814AudioProcessor* processor, const juce::String& path)
{
    const auto file = getFileOf (path);

    if (processor == nullptr || ! file.existsAsFile())
        return presetInvalid;

    presetXml = TervixPresets::parsePresetFile (file);
    return processor->readPreset (presetXml.get(), true);
}

bool TervixPresetMenu::writePreset (VostrelZR2814AudioProcessor* processor, const juce::String& path)
{
    const auto file = TervixPresets::normalise (getRootFolder().getChildFile (path));

    // Nothing is ever written outside the user preset folder, nor where the slot
    // could not name the file again, and a folder is never replaced by a preset.
    if (processor == nullptr || ! TervixPresets::isInsideUserPresetFolder (file)
        || ! TervixPresets::canBeStored (getRelativePath (file)) || file.isDirectory())
        return false;

    const auto preset = processor->writePreset (true);

    if (! file.getParentDirectory().createDirectory() || ! preset->writeTo (file))
        return false;

    setSelectedFilePath (getRelativePath (file));
    return true;
}

//==============================================================================
void TervixPresetMenu::compareAndMarkPreset (VostrelZR2814AudioProcessor* processor)
{
    const auto file = getFileOf (selectedFilePath);

    if (processor == nullptr || ! file.existsAsFile())
        return;

    presetXml = TervixPresets::parsePresetFile (file);

    if (presetXml == nullptr || ! PresetXml::hasTag (*presetXml, PresetXml::rootTag)
        || presetXml->getFirstChildElement() == nullptr)
        return;

    if (differsFromLiveSettings (*presetXml, *processor))
        setPresetHasChanged();
}

bool TervixPresetMenu::differsFromLiveSettings (const juce::XmlElement& preset,
                                                VostrelZR2814AudioProcessor& processor) const
{
    if (! juce::isPositiveAndBelow ((int) processor.currentProgram, VostrelZR2814AudioProcessor::numPrograms))
        return false;

    const auto& live = processor.programs[processor.currentProgram].values[processor.getActiveChannel()];

    // The comparison takes a file's values as the file states them, not as loading
    // applies them: a whole number is not nudged below its choice (the tolerance
    // covers that, so both a live 0.5 and the value loading "1" gives match), and
    // a number loading would refuse or limit (not finite, out of range) is compared
    // as it stands, so that such a file never passes for the live settings. A live
    // on/off value counts as on when above 0: only switching fully off marks a
    // preset that says on.
    for (auto* section : preset.getChildIterator())
    {
        if (! PresetXml::hasTag (*section, PresetXml::propertiesTag))
            continue;

        for (auto* element : section->getChildIterator())
        {
            if (element->isTextElement())
                continue;

            const auto* info = PresetXml::findParamInfo (processor.paramInfos, *element);

            if (info == nullptr || ! juce::isPositiveAndBelow ((int) info->index, (int) numParameters))
                continue;

            const float stored = live[info->index];
            float fileValue, liveValue;

            if (info->steps == stepsMarkIfSet)
                return stored > 0.0f;

            if (info->steps < 0)
                continue;

            if (info->steps == 0)
            {
                fileValue = PresetXml::readsAsOn (*element) ? 1.0f : 0.0f;
                liveValue = stored > 0.0f ? 1.0f : 0.0f;
            }
            else
            {
                fileValue = PresetXml::numberIn (*element) / (float) info->steps;
                liveValue = stored;
            }

            if (! (std::abs (liveValue - fileValue) < 1.0e-5f))
                return true;
        }
    }

    return false;
}
