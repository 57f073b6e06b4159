/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The processor's XML: the bank (host state), the single preset (".tzrp" files)
// and the current program, all under the root "tervixPatch". Readers find
// attributes by position, as the files have always been read.

#include "PluginProcessor.h"

#include <cmath>
#include <limits>
#include <string_view>

namespace
{
    const char* const rootTag = "tervixPatch";
    const char* const propertiesTag = "Properties";

    bool hasTag (const juce::XmlElement& e, const char* tag)
    {
        return e.getTagName().equalsIgnoreCase (tag);
    }

    const juce::XmlElement* firstChildWithTag (const juce::XmlElement& parent, const char* tag)
    {
        for (auto* child : parent.getChildIterator())
            if (hasTag (*child, tag))
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

    bool isAcceptableXmlText (const char* utf8, size_t numBytes)
    {
        return numBytes <= (size_t) VostrelZR2814AudioProcessor::maxXmlBytes
            && ! nestsDeeperThan ({ utf8, numBytes }, VostrelZR2814AudioProcessor::maxXmlDepth);
    }
}

std::unique_ptr<juce::XmlElement> VostrelZR2814AudioProcessor::parsePresetXml (const juce::String& text)
{
    if (! isAcceptableXmlText (text.toRawUTF8(), text.getNumBytesAsUTF8()))
        return {};

    return juce::XmlDocument::parse (text);
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
    auto* element = parent->createNewChildElement ("Value");
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
    auto* element = parent.createNewChildElement ("Channel");
    element->setAttribute ("channel", channel);
    element->setAttribute ("presetPath", programs[program].presetPath[channel]);

    for (auto* info : paramInfos)
        writeParameterElement (element, program, channel, info->index, info->steps, info->isInt);
}

std::unique_ptr<juce::XmlElement> VostrelZR2814AudioProcessor::writePatch (PatchForm form) const
{
    auto root = std::make_unique<juce::XmlElement> (rootTag);
    root->setAttribute ("version", "1.0");
    root->createNewChildElement ("DeviceName")->addTextElement (getName());

    auto properties = std::make_unique<juce::XmlElement> (propertiesTag);
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
                auto* preset = properties->createNewChildElement ("Preset");
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
int VostrelZR2814AudioProcessor::findParamInfo (const juce::XmlElement& valueElement) const
{
    const auto key = valueElement.getAttributeValue (0);

    for (auto* info : paramInfos)
        if (info->name == key)
            return info->index;

    return -1;
}

bool VostrelZR2814AudioProcessor::decodeValue (const juce::XmlElement& valueElement, const ParamInfo& info,
                                               float& result) const
{
    const auto text = valueElement.getAllSubText();

    if (info.steps < 0)
        return false;

    if (info.steps == 0)
    {
        result = text.trim() == "true" ? 1.0f : 0.0f;
        return true;
    }

    auto p = text.getCharPointer();
    const auto stored = (float) juce::CharacterFunctions::readDoubleValue (p);
    const float value = normalisedFromStored (stored, info);

    if (! std::isfinite (value))
        return false;

    result = juce::jlimit (0.0f, 1.0f, value);
    return true;
}

void VostrelZR2814AudioProcessor::storePresetElement (const juce::XmlElement* first, int program, int channel)
{
    if ((unsigned) program >= (unsigned) numPrograms || (unsigned) channel >= (unsigned) numChannels)
        return;

    for (auto* e = first; e != nullptr; e = e->getNextElement())
    {
        if (e->isTextElement())
            continue;

        const int index = findParamInfo (*e);
        float value;

        if (index >= 0 && decodeValue (*e, *paramInfos[index], value))
            programs[program].values[channel][index] = value;
    }
}

int VostrelZR2814AudioProcessor::readPreset (const juce::XmlElement* xml, bool single)
{
    if (xml == nullptr || ! hasTag (*xml, rootTag))
        return presetInvalid;

    if (single)
    {
        auto* properties = firstChildWithTag (*xml, propertiesTag);

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

            const int index = findParamInfo (*e);
            float value;

            if (index >= 0 && decodeValue (*e, *paramInfos[index], value))
            {
                parameters[index]->setValue (value);
                parameters[index]->sendValueChangedMessageToListeners (value);
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
        if (! hasTag (*properties, propertiesTag))
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
void VostrelZR2814AudioProcessor::unwrapState (const void* data, int sizeInBytes)
{
    stateXml.reset();

    // The framework's binary form: "VC2!", a little-endian text length, the text.
    constexpr int headerSize = 8;

    if (data == nullptr || sizeInBytes <= headerSize)
        return;

    const auto* bytes = static_cast<const char*> (data);
    const auto textLength = juce::jmin ((juce::int64) juce::ByteOrder::littleEndianInt (bytes + 4),
                                        (juce::int64) sizeInBytes - headerSize);

    if (textLength <= 0 || ! isAcceptableXmlText (bytes + headerSize, (size_t) textLength))
        return;

    stateXml = getXmlFromBinary (data, sizeInBytes);
}

void VostrelZR2814AudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (*writePatch (PatchForm::bank), destData);
}

void VostrelZR2814AudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    unwrapState (data, sizeInBytes);

    if (stateXml != nullptr)
        readPreset (stateXml.get(), false);
}

void VostrelZR2814AudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (*writePatch (PatchForm::currentProgram), destData);
}

void VostrelZR2814AudioProcessor::setCurrentProgramStateInformation (const void* data, int sizeInBytes)
{
    unwrapState (data, sizeInBytes);

    if (stateXml == nullptr || ! hasTag (*stateXml, rootTag))
        return;

    auto& slot = programs[currentProgram];

    for (auto* properties : stateXml->getChildIterator())
    {
        if (! hasTag (*properties, propertiesTag))
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
