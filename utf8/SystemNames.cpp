/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// JUCE 7.0.5 makes a String of a NUL-terminated name by sizing its buffer from
// the characters it decodes and then copying the raw bytes: bytes that are not
// UTF-8 (a Latin-1 "à", an overlong NUL) decode shorter than they are, or to an
// early end, and the copy runs past the buffer into the heap. Its file functions
// also step over bytes that follow a lead byte, so even a short name comes apart
// at the wrong place. Every directory scan of the framework makes its names that
// way, as do its working folder, the targets of links and the environment
// values it reads (the home and temporary folders, its font path).
//
// So the framework gets these four calls from here, never straight from the C
// library, and never sees a name that is not UTF-8: a directory listing passes
// over such an entry, a link whose target is one counts as no link, a working
// folder named so counts as gone, and an environment value that is not UTF-8
// counts as unset. The product names every file by its full path, so it needs
// no working folder, and its own code reads names as raw bytes through
// std::filesystem, which this leaves alone.
//
// A HOME that is not an absolute path counts as unset too: the framework reads a
// leading "~" of a path as the home folder, so a HOME of "~" or "~/x" recurses
// until the stack runs out, and an empty or relative one puts the user's folders
// below "/" or the working folder. For an unset HOME the framework takes the
// account's home folder from the password database.
//
// Every binary of ours linking a framework library (the product's, the console
// host's) is linked with --wrap for these four (cmake/VostrelJuce.cmake): only
// the calls made by the binary's own objects come here, never those of a host
// that loads it. Only getenv needs covering of the environment: the framework
// reads no value in another way, and hands environ on to the programs it starts
// untouched.

#include "SystemNames.h"
#include "Utf8.h"

#include <dirent.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern "C"
{
    dirent* __real_readdir (DIR*);
    ssize_t __real_readlink (const char*, char*, size_t);
    char* __real_getcwd (char*, size_t);
    char* __real_getenv (const char*);

    dirent* __wrap_readdir (DIR*);
    ssize_t __wrap_readlink (const char*, char*, size_t);
    char* __wrap_getcwd (char*, size_t);
    char* __wrap_getenv (const char*);

    dirent* __wrap_readdir (DIR* directory)
    {
        dirent* entry;

        while ((entry = __real_readdir (directory)) != nullptr
               && ! vostrel::utf8::isValid (entry->d_name, std::strlen (entry->d_name)))
        {
        }

        return entry;
    }

    ssize_t __wrap_readlink (const char* path, char* buffer, size_t size)
    {
        const auto length = __real_readlink (path, buffer, size);

        if (length > 0 && ! vostrel::utf8::isValid (buffer, (size_t) length))
        {
            errno = EINVAL;
            return -1;
        }

        return length;
    }

    char* __wrap_getcwd (char* buffer, size_t size)
    {
        auto* path = __real_getcwd (buffer, size);

        if (path != nullptr && ! vostrel::utf8::isValid (path, std::strlen (path)))
        {
            if (buffer == nullptr)
                std::free (path);

            errno = ENOENT;
            return nullptr;
        }

        return path;
    }

    char* __wrap_getenv (const char* name)
    {
        auto* value = __real_getenv (name);

        if (value == nullptr || ! vostrel::utf8::isValid (value, std::strlen (value)))
            return nullptr;

        if (std::strcmp (name, "HOME") == 0 && value[0] != '/')
            return nullptr;

        return value;
    }
}

namespace vostrel::utf8
{
    const char* rawEnvironmentValue (const char* name) noexcept
    {
        return __real_getenv (name);
    }
}
