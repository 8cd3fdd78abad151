// Everything program-wide of zelkon, owned once by the shell and handed to every window by
// reference: the state, the course index, the unit record, the render tables, the settings and
// the prompter.
#pragma once

#include "common/prompter.h"
#include "index/course_index.h"
#include "master/unit_reader.h"
#include "master/unit_record.h"
#include "settings/app_state.h"
#include "settings/edition_constants.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "sheet/render_tables.h"

namespace zelkon {

struct Program
{
    /// `store` and `prompter` must outlive the program object.
    Program(const EditionConstants &edition, SettingsStore &store, Prompter &prompter)
        : edition(edition)
        , settings(store, edition)
        , prompter(prompter)
    {}

    const EditionConstants &edition;
    Settings settings;
    Prompter &prompter;

    AppState state;
    CourseIndex index;
    UnitRecord unitRecord;
    ReaderState readerState;
    RenderTables renderTables;
};

} // namespace zelkon
