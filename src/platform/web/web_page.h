#pragma once
#include <cstdint>

// The page's side of the web backend, in web/library_vantor.js. Calls marked
// "waits" let the browser run (the program sleeps through ASYNCIFY) and come
// back when what they wait for has happened.
extern "C" {

// Whether the page is in view and has the focus.
int vantor_page_active();
// Waits up to ms milliseconds; returns early when the page delivers an event.
void vantor_page_wait(double ms);
// The frame pump finished a frame wait (for the page's pacing figures).
void vantor_page_frame_done();
// Shows a modal box with the caption and text and waits for its OK (UTF-8).
void vantor_page_message_box(const char* caption, const char* text);
// Starts and stops delivering the page's keyboard, pointer and focus events.
void vantor_page_listen(int on);
// Offers the on-screen keyboard (a name is being typed) or takes it away.
void vantor_page_offer_keyboard(int on);
// How the player started the game on the page: 0 a click, 1 a tap, 2 a key.
int vantor_page_started_by();
// Reads the connected gamepads afresh: up to most snapshots, each laid out
// as GamepadSnapshot::kNumbers numbers; how many were written.
int vantor_page_gamepads(double* numbers, int most);

// Whether the page's canvas can be drawn on; places it for the viewport.
int vantor_canvas_open();
// Shows 640 x 480 RGBA pixels (the canvas keeps no picture of its own: each
// frame is drawn whole).
void vantor_canvas_show(const uint32_t* rgba);
// Waits for the page's next animation frame.
void vantor_canvas_wait_frame();

// Whether the page has a sound output (made on the first gesture).
int vantor_sound_open();
// Starts and stops pulling the mix through vantor_web_mix.
void vantor_sound_run(int on);
// The mix changed now (for the page's latency figures).
void vantor_sound_mark();

// Whether a file lives in the page's lasting storage (IndexedDB).
int vantor_storage_holds(const char* path);
// Takes the cross-tab lock on a stored file; waits. The lock's number, 0
// when another tab holds it, -1 when the browser has no locks.
int vantor_storage_lock(const char* path, int exclusive);
// Lets go of it; waits until it is free.
void vantor_storage_unlock(int lock);
// Reads the stored files afresh (populate) or stores them (save); waits.
// False when the storage could not be reached.
int vantor_storage_sync(int populate);
// Why the last failed sync failed, in the browser's words (UTF-8; valid
// until the next call).
const char* vantor_storage_failure();

}  // extern "C"
