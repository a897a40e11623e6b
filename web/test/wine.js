// Wine as scripts/windows.sh sets it up for the Windows build: the prefix in
// the build's folder, quiet, no Mono or Gecko to install, no menu entries
// made. Settings already in the environment win.
'use strict';
const { spawnSync } = require('child_process');
const path = require('path');

const WINE = '/usr/lib/wine/wine64';

function wineEnv(buildFolder, env = process.env) {
  return { WINEPREFIX: path.join(buildFolder, 'wine'), WINEDEBUG: '-all', WINELOADER: WINE,
    WINEDLLOVERRIDES: 'mscoree,mshtml=;winemenubuilder.exe=d', ...env };
}

// spawn's arguments for a Windows program, run with `options` under wine.
function underWine(program, args, options, buildFolder = path.dirname(program)) {
  return [WINE, [program, ...args], { ...options, env: wineEnv(buildFolder, options.env) }];
}

// Wine keeps its server, and with it the display it found, for a moment
// after the last program ends; a run on another display waits for it to go.
function settle(buildFolder) {
  spawnSync('/usr/lib/wine/wineserver', ['-w'], { env: wineEnv(buildFolder), stdio: 'ignore' });
}

module.exports = { wineEnv, underWine, settle };
