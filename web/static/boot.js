// The page until its calculator is ready, written into the page itself so that it holds even when
// the calculator's files never come. The buttons are written busy (aria-disabled, dimmed, with
// 加载中 beside them); a click made meanwhile waits and runs once the calculator is ready. A
// loader or module that cannot start (missing, corrupt, refused by the browser's content policy,
// out of memory) is told in words, with a retry, and the buttons stay busy.
// The calculator's loader is asked for once the page has painted its logo, the largest thing it
// shows: the page, which takes typing at once, comes first, and the module does not compete with
// it; a click made before runs when the module is ready.
// The window outlives its tab: every box's text and the sheet's saved form are kept in the tab's
// session storage whenever a box changes, a click ends or waits in a dialog, and the page is
// hidden, and a reload, a tab brought back or a return to the page shows them again, the boxes
// before the player can type and the sheet once the calculator is ready.
(() => {
  'use strict';

  const kNeverReady = 30000;  // milliseconds after which a calculator still not ready has failed
  const pending = [];  // the buttons clicked before the calculator was ready, in order
  let state = 'loading';

  function show(id, shown) {
    document.getElementById(id).hidden = !shown;
  }

  function fail() {
    if (state !== 'loading') return;
    state = 'failed';
    show('loading', false);
    show('failure', true);
  }

  // The calculator is ready and clicks `button` for each button clicked while it was not; a
  // calculator that comes after all takes back the failure.
  function ready(click) {
    state = 'ready';
    clearTimeout(watchdog);
    for (const button of document.querySelectorAll('.button[aria-disabled]')) {
      button.removeAttribute('aria-disabled');
    }
    show('loading', false);
    show('failure', false);
    for (const button of pending.splice(0)) click(button);
  }

  // The window's memory, one entry of the tab's session storage for this page.
  const kMemory = `petcalc window ${new URL('./', location.href).pathname}`;
  const kMemoryVersion = 1;
  let keptSheet = '';

  function remember() {
    const boxes = {};
    for (const box of document.querySelectorAll('.form > .box')) {
      if (box.value !== '') boxes[box.id] = box.value;
    }
    try {
      sessionStorage.setItem(kMemory, JSON.stringify({ version: kMemoryVersion, boxes, sheet: keptSheet }));
    } catch (error) {
      // No storage (a browser that refuses it, a full quota): the window is not kept, and works.
    }
  }

  // What the tab kept, each box's text into a box the player has not typed into meanwhile.
  function recall() {
    let kept = null;
    try {
      kept = JSON.parse(sessionStorage.getItem(kMemory));
    } catch (error) {
      return;
    }
    if (!kept || kept.version !== kMemoryVersion || typeof kept.boxes !== 'object' || !kept.boxes) return;
    if (typeof kept.sheet === 'string') keptSheet = kept.sheet;
    for (const [name, text] of Object.entries(kept.boxes)) {
      const box = document.getElementById(name);
      if (box && box.matches('.form > .box') && typeof text === 'string' && box.value === '') box.value = text;
    }
  }

  // The calculator's sheet, in the form it reads back: handed over at the end of each click and
  // before each dialog, asked for once when it is ready.
  function keepSheet(saved) {
    keptSheet = saved;
    remember();
  }

  window.petcalcBoot = { ready, fail, keepSheet, keptSheet: () => keptSheet };

  document.addEventListener('input', (event) => {
    if (event.target.matches && event.target.matches('.form > .box')) remember();
  });
  window.addEventListener('pagehide', remember);
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') remember();
  });

  const watchdog = setTimeout(fail, kNeverReady);

  // A script of the page's that does not load, or fails as it runs, before the calculator is
  // ready: it will not be.
  window.addEventListener('error', (event) => {
    if (state === 'loading' && (event.target instanceof HTMLScriptElement || event.filename)) fail();
  }, true);

  document.addEventListener('click', (event) => {
    const button = event.target.closest && event.target.closest('.button');
    if (state !== 'ready' && button && !pending.includes(button)) pending.push(button);
  });

  function load() {
    if (document.querySelector('script[src]')) return;
    const loader = document.createElement('script');
    loader.src = '{{LOADER}}';
    loader.async = true;
    document.head.append(loader);
  }

  document.addEventListener('DOMContentLoaded', () => {
    recall();
    document.getElementById('retry').addEventListener('click', () => location.reload());
    // The window's first focus, without scrolling a long page down to it.
    document.querySelector('[data-first-focus]').focus({ preventScroll: true });
    // Once the logo is on the screen: where the browser reports an element's paint, that report
    // (a frame's drawing reaches the screen well after its script runs); elsewhere the frame
    // after the logo loads. A logo that cannot come is never painted: its alternative text is.
    const logo = document.querySelector('.picture');
    const painted = () => requestAnimationFrame(() => setTimeout(load));
    const failed = logo.complete && logo.naturalWidth === 0;
    logo.addEventListener('error', painted, { once: true });
    if (failed) {
      painted();
    } else if (PerformanceObserver.supportedEntryTypes.includes('element')) {
      new PerformanceObserver((_, observer) => {
        observer.disconnect();
        load();
      }).observe({ type: 'element', buffered: true });
    } else if (logo.complete) {
      painted();
    } else {
      logo.addEventListener('load', painted, { once: true });
    }
  });
})();
