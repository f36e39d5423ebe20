// The keys of a session file, one row each: how the reader stores a key, where
// the project file carries it and whether it counts as one of the session's
// settings. The reader, the test tree writer and the session check walk it.
#pragma once

#include <string_view>

#include "legacy/records.h"

// How a key's value is stored.
enum class Store {
    copy,     // as written
    yes_no,   // "true" for "O", "false" for anything else
    path,     // resolved against the file's path (FS, FP: the session's source and script)
    nothing,  // read and carried nowhere
};

struct SessionKey {
    std::string_view key;  // two capitals and a blank
    Text SessionSettings::*field;  // null for FS, FP and the keys carried nowhere
    Store store;
    // The row of the configuration entry that receives the session's settings:
    // its indentation and text, "%s" standing for the value; empty for none.
    int row_indent;
    std::string_view row;
    // A setting that only a configuration named by CX receives.
    bool needs_configuration;
};

// In the order the reader tests them and the writer writes their rows.
inline constexpr SessionKey k_session_keys[] = {
    {"CD ", nullptr, Store::nothing, 0, "", false},
    {"CX ", &SessionSettings::config_name, Store::copy, 0, "", false},
    {"FS ", nullptr, Store::path, 0, "", false},
    {"FP ", nullptr, Store::path, 0, "", false},
    {"LK ", &SessionSettings::link_file, Store::copy, 24, "<ge_alk_file_name>%s</ge_alk_file_name>", true},
    {"OC ", &SessionSettings::compile_flags, Store::copy, 23, "<cflags>%s</cflags>", true},
    {"CS ", &SessionSettings::test_compile_flags, Store::copy, 24, "<tcflags>%s</tcflags>", true},
    {"DB ", &SessionSettings::debug, Store::yes_no, 24, "<debug>%s</debug>", true},
    {"SI ", &SessionSettings::simulation, Store::yes_no, 24, "<simulation>%s</simulation>", true},
    {"OP ", &SessionSettings::preparation_options, Store::copy, 24, "<preparationOptions>%s</preparationOptions>", true},
    {"RA ", nullptr, Store::nothing, 0, "", false},
    {"VA ", nullptr, Store::nothing, 0, "", false},
    {"CE ", nullptr, Store::nothing, 0, "", false},
    {"OF ", &SessionSettings::more_options, Store::copy, 24, "<moreOptions>%s</moreOptions>", true},
    {"NI ", &SessionSettings::instru_comparison, Store::yes_no, 24, "<instruComparaison>%s</instruComparaison>", true},
    {"AC ", &SessionSettings::second_context, Store::yes_no, 24, "<secondContext>%s</secondContext>", true},
    {"FL ", &SessionSettings::second_intermediate_file, Store::copy, 24,
     "<secondIntermediateFile>%s</secondIntermediateFile>", true},
    {"ST ", &SessionSettings::strict_comparison, Store::yes_no, 24, "<strictComparaison>%s</strictComparaison>", true},
};
