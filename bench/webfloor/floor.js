// SPDX-License-Identifier: MIT
// The floor the browser front end is measured against: the same picture in plain
// JavaScript, the arrow keys moving a rectangle, the whole canvas painted anew at
// every key; and a service worker that keeps its files, as the page has.
const canvas = document.querySelector('canvas');
const context = canvas.getContext('2d', {alpha: false});
const post = {x: 350, y: 180};
const steps = {ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1]};

function paint() {
  context.fillStyle = 'rgb(240,240,240)';
  context.fillRect(0, 0, 792, 573);
  context.fillStyle = 'rgb(0,0,0)';
  context.fillRect(50, 200, 250, 200);
  context.fillRect(500, 200, 250, 200);
  context.fillRect(50, 400, 700, 200);
  context.fillRect(post.x, post.y, 194, 500);
}

canvas.addEventListener('keydown', (event) => {
  const step = steps[event.key];
  if (!step) return;
  event.preventDefault();
  post.x += step[0];
  post.y += step[1];
  paint();
});
document.getElementById('label').textContent = 'Zum Starten hier klicken []';
paint();
canvas.focus();
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
