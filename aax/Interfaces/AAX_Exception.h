/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_Errors.h"

#include <set>
#include <string>

namespace AAX
{
    /** The name of a result code, "plug-in defined error" or "<unknown error code>". */
    std::string AsStringResult (AAX_Result code);

    namespace Exception
    {
        /** The root of the library's exceptions. */
        class Any
        {
        public:
            explicit Any (const std::string& description, const std::string& function = {},
                          const std::string& line = {});
            virtual ~Any() = default;

            /** The description, followed by " func:" and " line:" parts when given. */
            static std::string CreateWhat (const std::string& description, const std::string& function,
                                           const std::string& line);

            const std::string& What() const noexcept { return mWhat; }
            const std::string& Description() const noexcept { return mDescription; }

        private:
            std::string mDescription, mFunction, mLine, mWhat;
        };

        /** A result code that a checked result did not accept. */
        class ResultError : public Any
        {
        public:
            explicit ResultError (AAX_Result code);
            ~ResultError() override = default;

            /** The code's name, a blank and the code in parentheses. */
            static std::string FormatResult (AAX_Result code);

            AAX_Result Result() const noexcept { return mResult; }

        private:
            AAX_Result mResult;
        };
    }
}

/** A result that throws AAX::Exception::ResultError, after a trace, as soon as it
    holds a code outside its accepted set ({0} unless widened). */
class AAX_CheckedResult
{
public:
    AAX_CheckedResult();
    AAX_CheckedResult (AAX_Result code);

    /** Stores and checks a code. */
    AAX_CheckedResult& operator= (AAX_Result code);

    /** Throws when the current result is not accepted, leaving it 0. */
    void Check();
    /** Accepts only 0 again. */
    void ResetAcceptedResults();
    void AddAcceptedResult (AAX_Result code);

    AAX_Result Result() const noexcept { return mCurResult; }
    /** The code last thrown, 0 until then. */
    AAX_Result LastError() const noexcept { return mLastError; }

private:
    AAX_Result mCurResult = 0;
    AAX_Result mLastError = 0;
    std::set<AAX_Result> mAcceptedResults { 0 };
};
