// The settings live under the executable's own name: a renamed copy gets a fresh key.
#include "scenario.h"
#include "settings_key.h"
#include "tuv_session.h"
#include "wait.h"
#include "window_probe.h"

E2E_SCENARIO(settings_key_under_title) {
    s.Require(!SettingsKeyExists("tuv"), "no settings key for tuv before the start", "it is there");
    {
        TuvSession tuv(s);
        tuv.Sheet();
        s.Expect(SettingsKeyExists("tuv", "Settings"), "the key " + SettingsKeyPath("tuv", "Settings"),
                 "no such key while the sheet is shown");
    }

    const std::string renamed = "calvo-renamed";
    s.CleanSettings(renamed);
    std::string copy = s.CopyOfTuv(renamed + ".exe");
    DeleteSettingsKey("tuv");
    TuvSession other(s, copy);
    HWND sheet = other.Sheet();
    s.Expect(SettingsKeyExists(renamed, "Settings"), "the key " + SettingsKeyPath(renamed, "Settings"),
             "no such key while the renamed copy runs");
    s.Expect(!SettingsKeyExists("tuv"), "the renamed copy leaving tuv's key alone", "tuv's key was made again");
    s.Expect(TextOf(sheet) == "Calvo", "the caption \"Calvo\" whatever the file name", Quoted(TextOf(sheet)));
}
