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

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

namespace
{
    // True when the element nesting of a text goes deeper than maxDepth. It is a
    // conservative scan ahead of the parser, whose recursion follows the nesting.
    bool nestsDeeperThan (std::string_view s, int maxDepth)
    {
        int depth = 0;
        size_t i = 0;

        auto skipPast = [&] (std::string_view terminator)
        {
            const auto end = s.find (terminator, i);
            i = end == std::string_view::npos ? s.size() : end + terminator.size();
        };

        while ((i = s.find ('<', i)) != std::string_view::npos)
        {
            const auto rest = s.substr (i);

            if (rest.substr (0, 4) == "<!--")                   { skipPast ("-->"); continue; }
            if (rest.substr (0, 9) == "<![CDATA[")              { skipPast ("]]>"); continue; }
            if (rest.substr (0, 2) == "<?")                     { skipPast ("?>"); continue; }
            if (rest.substr (0, 2) == "<!")                     { skipPast (">"); continue; }
            if (rest.substr (0, 2) == "</")                     { --depth; skipPast (">"); continue; }

            size_t j = i + 1;
            char quote = 0;

            for (; j < s.size(); ++j)
            {
                const char c = s[j];

                if (quote != 0)
                {
                    if (c == quote)
                        quote = 0;
                }
                else if (c == '"' || c == '\'')
                {
                    quote = c;
                }
                else if (c == '>')
                {
                    break;
                }
            }

            const bool selfClosing = j < s.size() && s[j - 1] == '/';

            if (! selfClosing && ++depth > maxDepth)
                return true;

            i = j + 1;
        }

        return false;
    }

    /** The text before the first NUL (the parser stops there) within numBytes, or
        null when it is refused. */
    std::unique_ptr<juce::XmlElement> parseChecked (const char* utf8, size_t numBytes)
    {
        numBytes = (size_t) (std::find (utf8, utf8 + numBytes, '\0') - utf8);

        if (numBytes == 0 || numBytes > PresetXml::maxTextBytes || nestsDeeperThan ({ utf8, numBytes }, PresetXml::maxDepth))
            return {};

        return juce::XmlDocument::parse (juce::String::fromUTF8 (utf8, (int) numBytes));
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
