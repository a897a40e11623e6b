// Under node the program sees the environment of the shell that started it,
// as the native program does (VANTOR_* switches, HOME, XDG_DATA_HOME).
Module['preRun'] = (Module['preRun'] || []).concat(function () {
  Object.assign(ENV, process.env);
});
