# JUCE's modules are header-plus-source packages that CMake would otherwise
# compile again inside every target linking them. Each library made here
# compiles a set of modules exactly once and hands its include paths and
# module definitions on to whatever links it, so the DSP, the processor, the
# plug-in formats, the tests and the benchmarks all share one compiled copy.

# Settings every JUCE compile of this project shares. Debian's JUCE package has
# no bundled FLAC, Ogg or curl, and the GPL lets us drop the splash screen.
set(VOSTREL_JUCE_DEFINITIONS
    JUCE_USE_CURL=0
    JUCE_WEB_BROWSER=0
    JUCE_USE_FLAC=0
    JUCE_USE_OGGVORBIS=0
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_STRICT_REFCOUNTEDPOINTER=1
    JUCE_VST3_CAN_REPLACE_VST2=0
    # The Standalone app offers JACK beside ALSA. The framework needs JACK's
    # headers only (libjack-jackd2-dev) and loads libjack when it looks for
    # devices, so no binary links it. This library is compiled without the
    # plug-in's name, so the app's JACK client is named here.
    JUCE_JACK=1
    "JUCE_JACK_CLIENT_NAME=\"Vostrel ZR2814\"")

find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)

# vostrel_add_juce_library(<name> MODULES <module>... [DEFINITIONS <def>...])
function(vostrel_add_juce_library name)
    cmake_parse_arguments(ARG "" "" "MODULES;DEFINITIONS" ${ARGN})

    add_library(${name} STATIC)
    target_link_libraries(${name} PRIVATE ${ARG_MODULES})
    # Debian's juce_graphics decodes pictures with the system libpng and libjpeg.
    target_link_libraries(${name} PUBLIC PNG::PNG JPEG::JPEG)

    # JUCE 7.0.5 overruns the heap when it makes a String of a name that is not
    # UTF-8, and reads such names from directory listings, link targets, the
    # working folder and environment values; a HOME of "~" makes it recurse
    # until the stack runs out. Every binary linking a framework library made
    # here (the product's, the console host's) makes these four calls through
    # ours (utf8/SystemNames.cpp), which hand it no such name and no such HOME.
    # --wrap renames only the calls of the binary's own objects, so a host that
    # loads a plug-in keeps the C library's.
    target_link_libraries(${name} PUBLIC vostrel_utf8)
    target_link_options(${name} INTERFACE -Wl,--wrap=readdir,--wrap=readlink,--wrap=getcwd,--wrap=getenv)

    target_compile_definitions(${name} PUBLIC ${VOSTREL_JUCE_DEFINITIONS} ${ARG_DEFINITIONS})
    set_target_properties(${name} PROPERTIES
        POSITION_INDEPENDENT_CODE ON
        VISIBILITY_INLINES_HIDDEN ON
        C_VISIBILITY_PRESET hidden
        CXX_VISIBILITY_PRESET hidden)

    # Re-export what the modules give their direct user (include paths and the
    # JUCE_MODULE_AVAILABLE_* definitions) without re-exporting their sources.
    target_include_directories(${name} SYSTEM INTERFACE
        $<TARGET_PROPERTY:${name},INCLUDE_DIRECTORIES>)
    target_compile_definitions(${name} INTERFACE
        $<TARGET_PROPERTY:${name},COMPILE_DEFINITIONS>)

    # GCC 12 reports false dangling-pointer warnings inside JUCE's own sources.
    target_compile_options(${name} PRIVATE -w)

    # The fuzzers look for memory faults inside the framework, undefined behaviour
    # in our own code: checking JUCE for both makes clang's build of its largest
    # modules two to three times as long.
    if(VOSTREL_BUILD_FUZZERS)
        target_compile_options(${name} PRIVATE -fno-sanitize=undefined)
    endif()
endfunction()

# Warnings for the project's own code: JUCE's recommended set, as errors when
# VOSTREL_WARNINGS_AS_ERRORS is on (the test script turns it on).
function(vostrel_warnings target)
    target_link_libraries(${target} PRIVATE juce::juce_recommended_warning_flags)
    if(VOSTREL_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# The same for sources of ours compiled into a target that also compiles the
# framework's code (a plug-in format's target); call it where the target is made.
function(vostrel_source_warnings)
    get_target_property(options juce_recommended_warning_flags INTERFACE_COMPILE_OPTIONS)
    if(VOSTREL_WARNINGS_AS_ERRORS)
        list(APPEND options -Werror)
    endif()
    set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS "${options}")
endfunction()

# The modules the product needs: the processor and editor classes, and the
# audio devices and utilities the Standalone app runs on.
vostrel_add_juce_library(vostrel_juce MODULES juce::juce_audio_utils)
