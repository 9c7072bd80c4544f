// SPDX-License-Identifier: MIT
// The first lines of fendrel.js, before the program is loaded: until the page has
// started, any failure (a browser without WebAssembly, a module that cannot be had, a
// feature the page relies on that is missing) puts a German message in place of the
// client area, so that the page never stays empty.

var pageStarting = true; // until the page has started, or has failed to

// Puts the text in place of the client area, for the user and for a screen reader.
function replaceClientWith(text) {
  var message = document.createElement('p');
  message.id = 'error';
  message.setAttribute('role', 'alert');
  message.textContent = text;
  var client = document.getElementById('fendrel');
  if (client) client.replaceWith(message);
  else document.body.appendChild(message);
}

function failedToStart(event) {
  if (!pageStarting) return;
  pageStarting = false; // one message, however many failures follow
  console.error('Fendrel could not start:', event.error || event.reason || event.message);
  replaceClientWith('Fendrel kann in diesem Browser nicht starten.\n' +
    'Laden Sie die Seite neu. Hilft das nicht, öffnen Sie sie in einem aktuellen Browser mit JavaScript und WebAssembly.');
}

addEventListener('error', failedToStart);
addEventListener('unhandledrejection', failedToStart);
