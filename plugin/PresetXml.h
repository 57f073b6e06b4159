/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_core/juce_core.h>

#include <memory>

struct ParamInfo;

/** The vocabulary of the preset files and the host state, all under the root
    "tervixPatch", and the one door through which their text is parsed. Preset
    files and host sessions come from anywhere, so no text reaches the XML parser
    before it has been checked. */
namespace PresetXml
{
    constexpr const char* rootTag = "tervixPatch";
    constexpr const char* deviceNameTag = "DeviceName";
    constexpr const char* propertiesTag = "Properties";
    constexpr const char* presetTag = "Preset";
    constexpr const char* channelTag = "Channel";
    constexpr const char* valueTag = "Value";

    /** Largest text accepted, and deepest element nesting. Our own bank stays well
        below the size even when all 24 of its preset paths are as long as a path can
        be and made of characters the writer escapes (about 0.5 MiB). */
    constexpr size_t maxTextBytes = 1024 * 1024;
    constexpr int maxDepth = 32;

    /** Parses preset or bank text. Null unless the text is UTF-8 XML made only of
        what these files use (an XML declaration at the start, elements, quoted
        attributes, text, comments, CDATA, the five predefined entities and complete
        character references, including those the writer makes of names that are not
        UTF-8), within maxTextBytes and maxDepth, and well formed. */
    std::unique_ptr<juce::XmlElement> parse (const juce::String& text);

    /** Parses the bytes of a preset file, decoded as such files have always been
        read (a byte-order mark, UTF-16, else UTF-8, else Windows-1252); a UTF-16
        surrogate pair reads as the one character it stands for. */
    std::unique_ptr<juce::XmlElement> parseFileData (const void* data, size_t numBytes);

    /** Reads a file of ours (a preset or the settings file) and parses its bytes as
        parseFileData does. Which files may be opened at all is the caller's rule. */
    std::unique_ptr<juce::XmlElement> parseFile (const juce::File&);

    /** Parses host state in the framework's binary form ("VC2!", a little-endian
        text length, the text) by the same rules; null for anything else. */
    std::unique_ptr<juce::XmlElement> parseState (const void* data, int sizeInBytes);

    /** Whether text stored in an attribute reads back as the same bytes. A name
        that is not UTF-8 (Latin-1, say) may not: the writer spells the characters
        the framework decodes from it, and those make another name. */
    bool survivesWriting (const juce::String& text);

    /** Tag comparison as the readers make it: ignoring case, without the
        framework's assertion on a case difference. */
    bool hasTag (const juce::XmlElement&, const char* tag);

    /** The parameter a "Value" element names by its first attribute (exactly, case
        included), or null. */
    const ParamInfo* findParamInfo (const juce::OwnedArray<ParamInfo>& infos, const juce::XmlElement& valueElement);

    /** Whether an on/off "Value" element reads as on: its text, trimmed, is "true". */
    bool readsAsOn (const juce::XmlElement& valueElement);

    /** The number a "Value" element holds, read as the files have always been
        read: leading blanks skipped, reading stops where the number does, nothing
        readable gives 0. */
    float numberIn (const juce::XmlElement& valueElement);
}
