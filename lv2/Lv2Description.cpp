/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "Lv2Description.h"

#include <iomanip>
#include <locale>
#include <sstream>
#include <vector>

namespace vostrel::lv2
{
    namespace
    {
        // The framework writes one triple part per line: a subject line, then
        // predicate lines with their objects or with object lines below them, each
        // line ending in ',', ';' or, for the last of a statement, '.'.
        using Lines = std::vector<std::string>;

        Lines split (const std::string& text)
        {
            Lines lines;
            std::string::size_type start = 0;

            for (auto end = text.find ('\n'); end != std::string::npos; end = text.find ('\n', start))
            {
                lines.push_back (text.substr (start, end - start));
                start = end + 1;
            }

            lines.push_back (text.substr (start));
            return lines;
        }

        std::string join (const Lines& lines)
        {
            std::string text;

            for (size_t i = 0; i < lines.size(); ++i)
                text += (i == 0 ? "" : "\n") + lines[i];

            return text;
        }

        std::string trim (const std::string& line)
        {
            const auto first = line.find_first_not_of (" \t");

            if (first == std::string::npos)
                return {};

            return line.substr (first, line.find_last_not_of (" \t") + 1 - first);
        }

        bool startsWith (const std::string& text, const std::string& start)
        {
            return text.compare (0, start.size(), start) == 0;
        }

        bool endsStatement (const std::string& line)
        {
            const auto t = trim (line);
            return ! t.empty() && t.back() == '.';
        }

        /** The lines [begin, end) of the statement whose subject line starts at `begin`. */
        struct Statement
        {
            size_t begin, end;
        };

        Statement statementAt (const Lines& lines, size_t begin)
        {
            for (auto i = begin; i < lines.size(); ++i)
                if (endsStatement (lines[i]))
                    return { begin, i + 1 };

            throw DescriptionError ("unterminated statement of " + lines[begin]);
        }

        Statement findStatement (const Lines& lines, const std::string& subject)
        {
            for (size_t i = 0; i < lines.size(); ++i)
                if (trim (lines[i]) == subject)
                    return statementAt (lines, i);

            throw DescriptionError ("no statement about " + subject);
        }

        /** The index of the line in a statement that reads exactly `content`, tabs and spaces aside. */
        size_t findLine (const Lines& lines, Statement s, const std::string& content)
        {
            for (auto i = s.begin; i < s.end; ++i)
                if (trim (lines[i]) == content)
                    return i;

            throw DescriptionError ("no \"" + content + "\" in the statement of " + trim (lines[s.begin]));
        }

        double numberAfter (const std::string& line, const std::string& predicate)
        {
            std::istringstream stream (trim (line).substr (predicate.size()));
            stream.imbue (std::locale::classic());
            double value = 0.0;

            if (! (stream >> value))
                throw DescriptionError ("no number in " + trim (line));

            return value;
        }

        std::string formatNumber (double value)
        {
            std::ostringstream stream;
            stream.imbue (std::locale::classic());
            stream << std::setprecision (9) << value;
            return stream.str();
        }

        /** The framework writes the n scale points of a discrete parameter as i / (n - 1),
            normalised, next to a range in plain units. Its discrete parameters (on/off,
            choice, integer) all have linear ranges, so point i is min + i (max - min) / (n - 1). */
        void correctScalePoints (Lines& lines, Statement s)
        {
            std::vector<size_t> points;
            double minimum = 0.0, maximum = 0.0;
            bool hasMinimum = false, hasMaximum = false;

            for (auto i = s.begin; i < s.end; ++i)
            {
                const auto t = trim (lines[i]);

                if (startsWith (t, "lv2:minimum "))
                {
                    minimum = numberAfter (t, "lv2:minimum ");
                    hasMinimum = true;
                }
                else if (startsWith (t, "lv2:maximum "))
                {
                    maximum = numberAfter (t, "lv2:maximum ");
                    hasMaximum = true;
                }
                else if (startsWith (t, "rdf:value "))
                {
                    points.push_back (i);
                }
            }

            if (points.empty())
                return;

            if (points.size() < 2 || ! hasMinimum || ! hasMaximum)
                throw DescriptionError ("unexpected scale points or range for " + trim (lines[s.begin]));

            const auto last = (double) (points.size() - 1);

            for (size_t i = 0; i < points.size(); ++i)
            {
                const auto& line = lines[points[i]];
                const auto indent = line.substr (0, line.find_first_not_of (" \t"));
                lines[points[i]] = indent + "rdf:value " + formatNumber (minimum + (double) i * (maximum - minimum) / last) + " ;";
            }
        }

        /** Removes one object from a predicate's list of objects on the lines below it. */
        void removeObject (Lines& lines, Statement s, const std::string& predicate, const std::string& object)
        {
            const auto predicateLine = findLine (lines, s, predicate);

            for (auto i = predicateLine + 1; i < s.end; ++i)
            {
                const auto t = trim (lines[i]);

                if (t.empty())
                    break;

                const auto terminator = t.back();
                const bool lastObject = terminator == ';' || terminator == '.';

                if (trim (t.substr (0, t.size() - 1)) == object)
                {
                    if (lastObject && i == predicateLine + 1)
                        throw DescriptionError (predicate + " would have no object left");

                    if (lastObject)
                        lines[i - 1].back() = terminator;

                    lines.erase (lines.begin() + (std::ptrdiff_t) i);
                    return;
                }

                if (lastObject)
                    break;
            }

            throw DescriptionError ("no " + object + " in " + predicate);
        }

        /** Puts an object first in a predicate's list of objects on the lines below it. */
        void addObject (Lines& lines, Statement s, const std::string& predicate, const std::string& object)
        {
            const auto predicateLine = findLine (lines, s, predicate);
            lines.insert (lines.begin() + (std::ptrdiff_t) predicateLine + 1, "\t\t" + object + " ,");
        }
    }

    std::string correctPluginDescription (const std::string& text, const std::string& pluginUri,
                                          const std::string& pluginClass)
    {
        auto lines = split (text);

        for (size_t i = 0; i + 1 < lines.size(); ++i)
            if (startsWith (lines[i], "plug:") && trim (lines[i + 1]) == "a lv2:Parameter ;")
                correctScalePoints (lines, statementAt (lines, i));

        const auto plugin = findStatement (lines, "<" + pluginUri + ">");
        const auto type = findLine (lines, plugin, "a lv2:Plugin ;");
        lines[type] = "\ta lv2:Plugin , lv2:" + pluginClass + " , doap:Project ;";

        // The framework writes the manufacturer's e-mail address even when there is
        // none, as the empty reference <>, which means the description file itself.
        lines.erase (lines.begin() + (std::ptrdiff_t) findLine (lines, plugin, "foaf:mbox <> ;"));

        // Our entry point gives the instance the options and the bounded block length
        // when a host has none, so a host without them may load the plug-in too.
        for (const auto* feature : { "opts:options", "bufs:boundedBlockLength" })
        {
            removeObject (lines, findStatement (lines, "<" + pluginUri + ">"), "lv2:requiredFeature", feature);
            addObject (lines, findStatement (lines, "<" + pluginUri + ">"), "lv2:optionalFeature", feature);
        }

        return join (lines);
    }

    std::string correctManifest (const std::string& text, const std::string& pluginUri)
    {
        const auto lines = split (text);
        findStatement (lines, "<" + pluginUri + ">");

        const auto property = "<" + pluginUri + ":Program>";

        if (text.find (property) == std::string::npos)
            return text;

        return text
             + "@prefix owl:   <http://www.w3.org/2002/07/owl#> .\n"
               "@prefix rdf:   <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .\n"
               "\n"
             + property + "\n"
               "\ta rdf:Property , owl:DatatypeProperty ;\n"
               "\trdfs:label \"program\" ;\n"
               "\trdfs:comment \"The program slot a preset selects, counted from 0.\" ;\n"
               "\trdfs:range xsd:int .\n";
    }

    std::string correctUiDescription (const std::string& text, const std::string& pluginUri)
    {
        auto lines = split (text);
        const auto subject = "<" + pluginUri + ":UI>";

        // A resizing hint is a feature the UI may ask for, not extension data...
        removeObject (lines, findStatement (lines, subject), "lv2:extensionData", "ui:noUserResize");
        // ...and the options interface is extension data the UI offers, not a feature.
        removeObject (lines, findStatement (lines, subject), "lv2:optionalFeature", "opts:interface");

        return join (lines);
    }
}
