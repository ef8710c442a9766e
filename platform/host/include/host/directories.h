// Application directory ids. Each names a folder under the host's root folder, created on first use.
#pragma once

// Ids that the program uses by number carry the numbers it uses; the others are the host's remaining folders.
enum : int {
  APP_FONT_DIR = 0,
  APP_SCENE_DIR = 1,
  APP_IMPORT_DIR = 2,
  APP_EXPORT_DIR = 3,
  APP_HELP_DIR = 4,
  APP_IMAGE_DIR = 7,
  APP_PLUGCFG_DIR = 9,  // plug-in configuration; the active wheel-events file lives here
  APP_MAXSTART_DIR = 10,
  APP_SCRIPTS_DIR = 15,
  APP_STARTUPSCRIPTS_DIR = 16,
  APP_UI_DIR = 19,
  APP_MAXROOT_DIR = 20,
  APP_USER_SCRIPTS_DIR = 26,
  APP_USER_MACROS_DIR = 27,
  APP_USER_STARTUPSCRIPTS_DIR = 28,
  APP_TEMP_DIR = 29,  // scratch folder; the zip reader extracts here
  APP_MAXDATA_DIR = 31,
  APP_PLUGCFG_LN_DIR = 37,
  APP_ICONS_DIR = 39,  // holds Icons/ and IconsDark/; returned with a trailing separator
};
