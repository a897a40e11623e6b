// A main that slept (ASYNCIFY) returns after the runtime stopped listening
// for it; its status then ends the program here, as a plain return would.
Module['postRun'] = (Module['postRun'] || []).concat(function () {
  if (Asyncify.currData) Asyncify.whenDone().then(function (status) { exit(status); });
});
