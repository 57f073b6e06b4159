/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The processor's XML: the bank (host state), the single preset (".tzrp" files)
// and the current program, all under the root "tervixPatch". Readers find
// attributes by position, as the files have always been read.

#include "PresetXml.h"
#include "PluginProcessor.h"
#include "Utf8.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>
#include <vector>

namespace
{
    /** Checks text against the part of XML that preset files and host states use,
        before the framework's parser sees it. That parser expands entities of a
        document type declaration without limit or end, loops for ever on a
        processing instruction followed by text inside an element, reads past the
        end of a cut character reference or of invalid UTF-8, and recurses once
        per nesting level; none of these can reach it through this check. */
    class SubsetChecker
    {
    public:
        /** The largest code point a reference may name. The writer spells every
            character it decodes from a string as a reference, and a name on disk
            that is not UTF-8 decodes to anything up to here (a lone surrogate, or
            up to 22 bits from a lead byte F0 to FF); each reads back to the bytes
            it came from, so sessions holding such names restore. Beyond it the
            parser's encoder drops bits of the lead byte: the text reads back as
            another character or as one that ends the string while its bytes run
            on, which later copies overrun. */
        static constexpr juce::uint64 largestReference = 0x3fffff;

        SubsetChecker (const char* utf8, size_t numBytes)
            : p (reinterpret_cast<const unsigned char*> (utf8)), end (p + numBytes)
        {
        }

        bool accepts()
        {
            if (! vostrel::utf8::isValid (reinterpret_cast<const char*> (p), (size_t) (end - p)))
                return false;

            skipWhitespace();

            if (lookingAt ("<?xml") && (isWhitespace (at (5)) || at (5) == '?') && ! skipSection ("<?", "?>"))
                return false;

            if (! skipMiscellany() || ! startTag())
                return false;

            while (depth > 0)
            {
                if (p == end)
                    return false;

                bool ok = true;

                if (lookingAt ("</"))                ok = endTag();
                else if (lookingAt ("<!--"))         ok = skipSection ("<!--", "-->");
                else if (lookingAt ("<![CDATA["))    ok = skipSection ("<![CDATA[", "]]>");
                else if (*p == '<')                  ok = startTag();
                else if (*p == '&')                  ok = reference();
                else                                 ++p;

                if (! ok)
                    return false;
            }

            return skipMiscellany() && p == end;
        }

    private:
        /** The byte at an offset from the current position, or 0 past the end. */
        unsigned char at (size_t offset) const noexcept
        {
            return offset < (size_t) (end - p) ? p[offset] : 0;
        }

        bool lookingAt (std::string_view s) const noexcept
        {
            return (size_t) (end - p) >= s.size() && std::memcmp (p, s.data(), s.size()) == 0;
        }

        /** ASCII text, compared with the letters of the text in either case. */
        bool lookingAtIgnoringCase (std::string_view lowerCase) const noexcept
        {
            if ((size_t) (end - p) < lowerCase.size())
                return false;

            for (size_t i = 0; i < lowerCase.size(); ++i)
            {
                const auto c = p[i];

                if ((c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c) != (unsigned char) lowerCase[i])
                    return false;
            }

            return true;
        }

        static bool isWhitespace (unsigned char c) noexcept
        {
            return c == ' ' || c == '\t' || c == '\n' || c == '\r';
        }

        /** The framework's identifier characters, ASCII only. */
        static bool isNameChar (unsigned char c) noexcept
        {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                || c == '_' || c == '-' || c == ':' || c == '.';
        }

        void skipWhitespace() noexcept
        {
            while (p < end && isWhitespace (*p))
                ++p;
        }

        /** Skips a section from its opener (at the current position) to the first
            terminator after the opener, as the parser does. */
        bool skipSection (std::string_view opener, std::string_view terminator) noexcept
        {
            const std::string_view rest (reinterpret_cast<const char*> (p), (size_t) (end - p));
            const auto found = rest.find (terminator, opener.size());

            if (found == std::string_view::npos)
                return false;

            p += found + terminator.size();
            return true;
        }

        /** Whitespace and comments, as may stand before and after the root. */
        bool skipMiscellany() noexcept
        {
            for (;;)
            {
                skipWhitespace();

                if (! lookingAt ("<!--"))
                    return true;

                if (! skipSection ("<!--", "-->"))
                    return false;
            }
        }

        std::string_view name() noexcept
        {
            const auto* start = p;

            while (p < end && isNameChar (*p))
                ++p;

            return { reinterpret_cast<const char*> (start), (size_t) (p - start) };
        }

        bool startTag() noexcept
        {
            ++p;
            const auto tag = name();

            if (tag.empty())
                return false;

            for (;;)
            {
                skipWhitespace();

                if (lookingAt ("/>"))
                {
                    p += 2;
                    return true;
                }

                if (at (0) == '>')
                {
                    ++p;

                    if (depth == PresetXml::maxDepth)
                        return false;

                    openTags[depth++] = tag;
                    return true;
                }

                if (name().empty())
                    return false;

                skipWhitespace();

                if (at (0) != '=')
                    return false;

                ++p;
                skipWhitespace();

                if (! quotedValue())
                    return false;
            }
        }

        bool quotedValue() noexcept
        {
            const auto quote = at (0);

            if (quote != '"' && quote != '\'')
                return false;

            ++p;

            while (p < end && *p != quote)
            {
                if (*p != '&')
                    ++p;
                else if (! reference())
                    return false;
            }

            if (p == end)
                return false;

            ++p;
            return true;
        }

        bool endTag() noexcept
        {
            p += 2;

            if (name() != openTags[depth - 1])
                return false;

            skipWhitespace();

            if (at (0) != '>')
                return false;

            ++p;
            --depth;
            return true;
        }

        /** One of the five predefined entities (the parser takes them in any case)
            or a complete character reference, within the digit counts the parser
            reads, to a code point from 1 to largestReference. */
        bool reference() noexcept
        {
            ++p;

            for (std::string_view entity : { "amp;", "lt;", "gt;", "quot;", "apos;" })
            {
                if (lookingAtIgnoringCase (entity))
                {
                    p += entity.size();
                    return true;
                }
            }

            if (at (0) != '#')
                return false;

            ++p;
            const bool hex = at (0) == 'x' || at (0) == 'X';

            if (hex)
                ++p;

            const int base = hex ? 16 : 10;
            const int maxDigits = hex ? 8 : 12;
            juce::uint64 code = 0;
            int digits = 0;

            for (;;)
            {
                const int digit = juce::CharacterFunctions::getHexDigitValue (at (0));

                if (digit < 0 || digit >= base)
                    break;

                if (++digits > maxDigits)
                    return false;

                code = code * (juce::uint64) base + (juce::uint64) digit;
                ++p;
            }

            if (digits == 0 || at (0) != ';' || code == 0 || code > largestReference)
                return false;

            ++p;
            return true;
        }

        const unsigned char* p;
        const unsigned char* const end;
        int depth = 0;
        std::string_view openTags[PresetXml::maxDepth];
    };

    /** Parses the text up to the first NUL within numBytes (where the parser would
        stop anyway); null when the check refuses it. */
    std::unique_ptr<juce::XmlElement> parseChecked (const char* utf8, size_t numBytes)
    {
        numBytes = (size_t) (std::find (utf8, utf8 + numBytes, '\0') - utf8);

        if (numBytes == 0 || numBytes > PresetXml::maxTextBytes || ! SubsetChecker (utf8, numBytes).accepts())
            return {};

        return juce::XmlDocument::parse (juce::String::fromUTF8 (utf8, (int) numBytes));
    }

    /** UTF-16 text after its byte-order mark, decoded as the framework decodes
        it (an odd last byte dropped, the text ending at a NUL), except that a
        surrogate pair becomes the one character it stands for: the framework
        makes a character of each half, which no UTF-8 text may hold. A lone half
        stays as the framework leaves it, and the check refuses it. */
    juce::String textOfUtf16 (const juce::uint8* bytes, size_t numBytes)
    {
        const bool bigEndian = juce::CharPointer_UTF16::isByteOrderMarkBigEndian (bytes);
        const size_t numUnits = numBytes / 2;

        auto unit = [&] (size_t i) -> juce::uint32
        {
            return bigEndian ? juce::ByteOrder::bigEndianShort (bytes + 2 * i)
                             : juce::ByteOrder::littleEndianShort (bytes + 2 * i);
        };

        std::vector<juce::juce_wchar> chars;
        chars.reserve (numUnits);

        for (size_t i = 1; i < numUnits && unit (i) != 0; ++i)
        {
            auto c = unit (i);

            if (c >= 0xd800 && c <= 0xdbff && i + 1 < numUnits && unit (i + 1) >= 0xdc00 && unit (i + 1) <= 0xdfff)
                c = 0x10000 + ((c - 0xd800) << 10) + (unit (++i) - 0xdc00);

            chars.push_back ((juce::juce_wchar) c);
        }

        chars.push_back (0);
        return juce::String (juce::CharPointer_UTF32 (chars.data()));
    }

    const juce::XmlElement* firstChildWithTag (const juce::XmlElement& parent, const char* tag)
    {
        for (auto* child : parent.getChildIterator())
            if (PresetXml::hasTag (*child, tag))
                return child;

        return nullptr;
    }

    // Reads an integer the way the C library's atoi does (leading blanks, a sign,
    // then digits; nothing readable gives 0), but saturates instead of overflowing.
    int parseLeadingInt (const juce::String& text)
    {
        auto p = text.getCharPointer();
        p.incrementToEndOfWhitespace();

        bool negative = false;

        if (*p == '-' || *p == '+')
            negative = (p.getAndAdvance() == '-');

        juce::int64 value = 0;

        while (juce::CharacterFunctions::isDigit (*p))
        {
            value = value * 10 + (p.getAndAdvance() - '0');

            if (value > std::numeric_limits<int>::max())
                return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
        }

        return (int) (negative ? -value : value);
    }

    /** Decodes a "Value" element for the parameter it names as loading applies it;
        false when it is not stored or its number is not finite. */
    bool decodeValue (const juce::XmlElement& valueElement, const ParamInfo& info, float& result)
    {
        if (info.steps < 0)
            return false;

        if (info.steps == 0)
        {
            result = PresetXml::readsAsOn (valueElement) ? 1.0f : 0.0f;
            return true;
        }

        const float value = normalisedFromStored (PresetXml::numberIn (valueElement), info);

        if (! std::isfinite (value))
            return false;

        result = juce::jlimit (0.0f, 1.0f, value);
        return true;
    }
}

//==============================================================================
std::unique_ptr<juce::XmlElement> PresetXml::parse (const juce::String& text)
{
    const auto* utf8 = text.toRawUTF8();
    return parseChecked (utf8, std::strlen (utf8));
}

std::unique_ptr<juce::XmlElement> PresetXml::parseFileData (const void* data, size_t numBytes)
{
    // Every encoding read here takes at least one byte of text for two of the
    // file, so a larger file could only give text over the limit.
    if (data == nullptr || numBytes > 2 * maxTextBytes)
        return {};

    const auto* bytes = static_cast<const juce::uint8*> (data);

    if (numBytes >= 2 && (juce::CharPointer_UTF16::isByteOrderMarkBigEndian (bytes)
                          || juce::CharPointer_UTF16::isByteOrderMarkLittleEndian (bytes)))
        return parse (textOfUtf16 (bytes, numBytes));

    // The framework's decoder looks at the byte after a file that holds nothing
    // but a byte-order mark: it gets a copy that ends in a zero.
    juce::MemoryBlock terminated (data, numBytes);
    terminated.append ("", 1);
    return parse (juce::String::createStringFromData (terminated.getData(), (int) numBytes));
}

std::unique_ptr<juce::XmlElement> PresetXml::parseFile (const juce::File& file)
{
    juce::MemoryBlock data;

    if (! file.loadFileAsData (data))
        return {};

    return parseFileData (data.getData(), data.getSize());
}

std::unique_ptr<juce::XmlElement> PresetXml::parseState (const void* data, int sizeInBytes)
{
    // The framework's binary form: "VC2!", a little-endian text length, the text.
    constexpr int headerSize = 8;
    constexpr juce::uint32 magic = 0x21324356;

    if (data == nullptr || sizeInBytes <= headerSize || juce::ByteOrder::littleEndianInt (data) != magic)
        return {};

    const auto* bytes = static_cast<const char*> (data);
    const auto textLength = (int) juce::ByteOrder::littleEndianInt (bytes + 4);

    if (textLength <= 0)
        return {};

    return parseChecked (bytes + headerSize, (size_t) juce::jmin (textLength, sizeInBytes - headerSize));
}

bool PresetXml::survivesWriting (const juce::String& text)
{
    juce::XmlElement element (rootTag);
    element.setAttribute ("text", text);
    const auto readBack = parse (element.toString (juce::XmlElement::TextFormat().singleLine()));

    // Compared byte for byte: the framework's comparison decodes both sides alike.
    return readBack != nullptr && std::strcmp (readBack->getStringAttribute ("text").toRawUTF8(), text.toRawUTF8()) == 0;
}

bool PresetXml::hasTag (const juce::XmlElement& e, const char* tag)
{
    return e.getTagName().equalsIgnoreCase (tag);
}

const ParamInfo* PresetXml::findParamInfo (const juce::OwnedArray<ParamInfo>& infos, const juce::XmlElement& valueElement)
{
    const auto key = valueElement.getAttributeValue (0);

    for (auto* info : infos)
        if (info->name == key)
            return info;

    return nullptr;
}

bool PresetXml::readsAsOn (const juce::XmlElement& valueElement)
{
    return valueElement.getAllSubText().trim() == "true";
}

float PresetXml::numberIn (const juce::XmlElement& valueElement)
{
    return (float) valueElement.getAllSubText().getDoubleValue();
}

//==============================================================================
void VostrelZR2814AudioProcessor::writeParameterElement (juce::XmlElement* parent, int program, int channel,
                                                         int parameterIndex, int steps, bool isInt) const
{
    if (parent == nullptr || steps < 0
        || (unsigned) program >= (unsigned) numPrograms
        || (unsigned) channel >= (unsigned) numChannels
        || (unsigned) parameterIndex >= (unsigned) paramInfos.size())
        return;

    const float value = programs[program].values[channel][parameterIndex];
    auto* element = parent->createNewChildElement (PresetXml::valueTag);
    element->setAttribute ("property", paramInfos[parameterIndex]->name);
    element->setAttribute ("type", steps == 0 ? "boolean" : "number");

    juce::String text;

    if (steps == 0)
        text = value >= 0.5f ? "true" : "false";
    else if (isInt)
        text = juce::String (juce::roundToInt (value * (float) steps));
    else
        text = juce::String ((double) (value * (float) steps) + 0.0, 5); // + 0.0 writes -0 as 0

    element->addTextElement (text);
}

void VostrelZR2814AudioProcessor::writeChannel (juce::XmlElement& parent, int program, int channel) const
{
    auto* element = parent.createNewChildElement (PresetXml::channelTag);
    element->setAttribute ("channel", channel);
    element->setAttribute ("presetPath", programs[program].presetPath[channel]);

    for (auto* info : paramInfos)
        writeParameterElement (element, program, channel, info->index, info->steps, info->isInt);
}

std::unique_ptr<juce::XmlElement> VostrelZR2814AudioProcessor::writePatch (PatchForm form) const
{
    auto root = std::make_unique<juce::XmlElement> (PresetXml::rootTag);
    root->setAttribute ("version", "1.0");
    root->createNewChildElement (PresetXml::deviceNameTag)->addTextElement (getName());

    auto properties = std::make_unique<juce::XmlElement> (PresetXml::propertiesTag);
    properties->setAttribute ("deviceProductID", productIdentifier);
    properties->setAttribute ("deviceVersion", VOSTREL_VERSION_STRING);
    properties->setAttribute ("presetVersion", "1.0");

    switch (form)
    {
        case PatchForm::single:
            for (auto* info : paramInfos)
                writeParameterElement (properties.get(), currentProgram, getActiveChannel(),
                                       info->index, info->steps, info->isInt);
            break;

        case PatchForm::bank:
            properties->setAttribute ("activePreset", currentProgram);

            for (int p = 0; p < numPrograms; ++p)
            {
                auto* preset = properties->createNewChildElement (PresetXml::presetTag);
                preset->setAttribute ("preset", p);
                preset->setAttribute ("activeChannel", programs[p].activeChannel);

                for (int c = 0; c < numChannels; ++c)
                    writeChannel (*preset, p, c);
            }
            break;

        case PatchForm::currentProgram:
            properties->setAttribute ("activeChannel", getActiveChannel());

            for (int c = 0; c < numChannels; ++c)
                writeChannel (*properties, currentProgram, c);
            break;
    }

    root->addChildElement (properties.release());
    return root;
}

std::unique_ptr<juce::XmlElement> VostrelZR2814AudioProcessor::writePreset (bool single) const
{
    return writePatch (single ? PatchForm::single : PatchForm::bank);
}

//==============================================================================
void VostrelZR2814AudioProcessor::storePresetElement (const juce::XmlElement* first, int program, int channel)
{
    if ((unsigned) program >= (unsigned) numPrograms || (unsigned) channel >= (unsigned) numChannels)
        return;

    for (auto* e = first; e != nullptr; e = e->getNextElement())
    {
        if (e->isTextElement())
            continue;

        const auto* info = PresetXml::findParamInfo (paramInfos, *e);
        float value;

        if (info != nullptr && decodeValue (*e, *info, value))
            programs[program].values[channel][info->index] = value;
    }
}

int VostrelZR2814AudioProcessor::readPreset (const juce::XmlElement* xml, bool single)
{
    if (xml == nullptr || ! PresetXml::hasTag (*xml, PresetXml::rootTag))
        return presetInvalid;

    if (single)
    {
        auto* properties = firstChildWithTag (*xml, PresetXml::propertiesTag);

        if (properties == nullptr)
            return presetInvalid;

        if (properties->getAttributeValue (0) != productIdentifier)
            return presetOtherProduct;

        suspendProcessing (true);
        modelsInSync = false;

        auto& parameters = getParameters();

        for (auto* e : properties->getChildIterator())
        {
            if (e->isTextElement())
                continue;

            const auto* info = PresetXml::findParamInfo (paramInfos, *e);
            float value;

            if (info != nullptr && decodeValue (*e, *info, value))
            {
                parameters[info->index]->setValue (value);
                parameters[info->index]->sendValueChangedMessageToListeners (value);
            }
        }

        if (prepared)
            forceCalcParams (false);

        suspendProcessing (false);

        return properties->getAttributeValue (2).getDoubleValue() > 1.0 ? presetNewerVersion : presetLoaded;
    }

    int activeProgram = 0, activeSide = channelA;
    beginSlotRewrite();

    for (auto* properties : xml->getChildIterator())
    {
        if (! PresetXml::hasTag (*properties, PresetXml::propertiesTag))
            continue;

        const int activePreset = parseLeadingInt (properties->getAttributeValue (3));
        int p = 0;

        for (auto* preset : properties->getChildIterator())
        {
            if (preset->isTextElement())
                continue;

            if (p >= numPrograms)
                break;

            auto& slot = programs[p];
            const int savedSide = parseLeadingInt (preset->getAttributeValue (1));
            slot.activeChannel = validChannel (savedSide);
            int c = 0;

            for (auto* channel : preset->getChildIterator())
            {
                if (channel->isTextElement())
                    continue;

                if (c >= numChannels)
                    break;

                slot.presetPath[c] = channel->getAttributeValue (1);

                if (p == activePreset && c == savedSide)
                {
                    activeProgram = p;
                    activeSide = c;
                }

                storePresetElement (channel->getFirstChildElement(), p, c);
                ++c;
            }

            ++p;
        }
    }

    currentProgram = activeProgram;
    programs[activeProgram].activeChannel = activeSide;
    setCurrentProgram (currentProgram);
    return bankLoaded;
}

//==============================================================================
void VostrelZR2814AudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (*writePatch (PatchForm::bank), destData);
}

void VostrelZR2814AudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    stateXml = PresetXml::parseState (data, sizeInBytes);

    if (stateXml != nullptr)
        readPreset (stateXml.get(), false);
}

void VostrelZR2814AudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (*writePatch (PatchForm::currentProgram), destData);
}

void VostrelZR2814AudioProcessor::setCurrentProgramStateInformation (const void* data, int sizeInBytes)
{
    stateXml = PresetXml::parseState (data, sizeInBytes);

    if (stateXml == nullptr || ! PresetXml::hasTag (*stateXml, PresetXml::rootTag))
        return;

    auto& slot = programs[currentProgram];
    beginSlotRewrite();

    for (auto* properties : stateXml->getChildIterator())
    {
        if (! PresetXml::hasTag (*properties, PresetXml::propertiesTag))
            continue;

        slot.activeChannel = validChannel (parseLeadingInt (properties->getAttributeValue (3)));
        int c = 0;

        for (auto* channel : properties->getChildIterator())
        {
            if (channel->isTextElement())
                continue;

            if (c >= numChannels)
                break;

            slot.presetPath[c] = channel->getAttributeValue (1);
            storePresetElement (channel->getFirstChildElement(), currentProgram, c);
            ++c;
        }
    }

    setCurrentProgram (currentProgram);
}
