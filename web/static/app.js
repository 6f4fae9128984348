// The page's side of the calculator: its boxes and dialogs as the module's runtime reaches them
// (Module.page), the two buttons, the action key of the touch layout, what a click wrote said to
// screen readers, and the offline cache. Appended to the module's loader, after createPetCalc,
// and run as soon as the loader arrives, which the page's boot script (boot.js) asks for once the
// page is painted; the boot script holds the buttons until the module is ready.
(() => {
  'use strict';

  const boot = window.petcalcBoot;
  const root = document.documentElement;
  const parsed = new Promise((resolve) => {
    if (document.readyState === 'loading') {
      document.addEventListener('DOMContentLoaded', resolve, { once: true });
    } else {
      resolve();
    }
  });
  const controls = [];  // by table row, once the form is read
  const written = [];  // the boxes the running click wrote, in order

  // A held key presses nothing more: its repeats would confirm the dialog the first press opened.
  document.addEventListener('keydown', (event) => {
    if (event.repeat && (event.key === 'Enter' || event.key === ' ')) event.preventDefault();
  }, true);

  // The layout for a finger is a grid; there the keyboard's action key in a box moves on to the
  // next control in tab order, which is the document's. In the form's own layout it does nothing.
  document.addEventListener('keydown', (event) => {
    const box = event.target;
    if (event.key !== 'Enter' || event.repeat || !box.matches('.form > .box:not([readonly])')) return;
    if (getComputedStyle(box.parentElement).display !== 'grid') return;
    event.preventDefault();
    const stops = [...box.parentElement.querySelectorAll(':scope > .box, :scope > .button')];
    const next = stops[stops.indexOf(box) + 1];
    if (next) next.focus();
  });

  // A modal dialog of the page: its title and text shown, the focus given back when it closes.
  // Resolves with the field's text when confirmed with 确定 or Enter, and '' otherwise.
  function openDialog(id, title, text) {
    const dialog = document.getElementById(id);
    const field = dialog.querySelector('.field');
    dialog.querySelector('.title').textContent = title;
    dialog.querySelector('.text').textContent = text;
    if (field) field.value = '';
    const returnTo = document.activeElement;
    return new Promise((resolve) => {
      dialog.returnValue = '';
      dialog.addEventListener('close', () => {
        if (returnTo && returnTo.focus) returnTo.focus();
        resolve(dialog.returnValue === 'ok' && field ? field.value : '');
      }, { once: true });
      dialog.showModal();
      (field || dialog.querySelector('button')).focus();
    });
  }

  let clickedByPlayer = true;  // whether the running click is the player's own
  const page = {
    text: (row) => controls[row].value,
    setText(row, text, caret) {
      const box = controls[row];
      box.value = text;
      box.setSelectionRange(caret, caret);
      box.scrollLeft = 0;
      written.push(box);
    },
    ask: (prompt, title) => openDialog('prompt', title, prompt),
    message: (text, title) => openDialog('message', title, text).then(() => undefined),
    error: (text, title) => openDialog('error', title, text).then(() => undefined),
    answer: '',
    keepSheet: (saved) => boot.keepSheet(saved),
    keptSheet: () => boot.keptSheet(),
    // A click that ended with its results, told to the book: whether the player clicked, or the
    // page clicked for them (a pet put back in the window, a link opened).
    finished(kind, stats, target) {
      book.finished({ kind, stats, target, byPlayer: clickedByPlayer });
    },
  };

  // What the page's book (book.js, in a module of its own) asks of the window: the clicks a player
  // makes, told to it and kept until it has come; the window as it stands, and put back.
  const book = {
    waiting: [],
    finished(click) { this.waiting.push(click); },
  };
  const boxes = () => document.querySelectorAll('.form > .box');
  window.petcalcPage = {
    book,
    busy: () => Boolean(root.dataset.busy) || root.dataset.ready !== 'true',
    // Every box's text and the sheet, between clicks.
    window: () => ({ texts: [...boxes()].map((box) => box.value), sheet: boot.keptSheet() }),
    restore(kept) {
      boot.keepSheet(kept.sheet);
      calculator.ccall('petcalc_restore', 'number', [], []);
      [...boxes()].forEach((box, i) => { box.value = kept.texts[i]; });
      boot.keepSheet(kept.sheet);
    },
    // The boxes named filled as a player types them, then the buttons named clicked in turn, for
    // the player though not by them; resolves once the last click has ended.
    putBack(texts, buttons) {
      for (const box of boxes()) {
        if (box.id in texts) box.value = texts[box.id];
      }
      for (const name of buttons) click(calculator, document.getElementById(name), false);
      return clicks;
    },
  };
  let calculator = null;

  // What a click wrote, said once it has ended and every dialog is closed: the results it wrote,
  // each row of the form's grid with the boxes a player typed into it first (the prediction's
  // target level), each box by its name. A click starts with nothing said.
  let saying = 0;
  function announce(said) {
    const region = document.getElementById('announcer');
    clearTimeout(saying);
    region.textContent = '';
    // A moment later, so that a screen reader hears a text said again as new.
    if (said.length) saying = setTimeout(() => { region.textContent = said.join('，'); }, 50);
  }

  function resultsWritten() {
    const results = written.splice(0).filter((box) => box.readOnly);
    const rows = [...new Set(results.map((box) => box.dataset.gridRow))];
    return rows.flatMap((row) => {
      const boxes = [...document.querySelectorAll(`.box[data-grid-row="${row}"]`)];
      const typed = boxes.filter((box) => !box.readOnly && box.value !== '');
      return [...typed, ...boxes.filter((box) => results.includes(box))];
    }).map((box) => `${box.getAttribute('aria-label')} ${box.value}`);
  }

  const started = createPetCalc({ page, locateFile: () => '@MODULE@' });

  let clicks = Promise.resolve();
  function click(module, button, byPlayer = true) {
    clicks = clicks.then(() => {
      root.dataset.busy = 'true';
      clickedByPlayer = byPlayer;
      written.length = 0;
      announce([]);
      return Promise.resolve(module.ccall('petcalc_click', null, ['number'],
                                          [Number(button.dataset.row)], { async: true }))
        .then(() => announce(resultsWritten()))
        .finally(() => { delete root.dataset.busy; });
    });
  }

  parsed.then(() => {
    for (const control of document.querySelectorAll('.form > [data-row]')) {
      controls[control.dataset.row] = control;
    }
    for (const cancel of document.querySelectorAll('.dialog .cancel')) {
      cancel.addEventListener('click', () => cancel.closest('dialog').close('cancel'));
    }
    return started;
  }).then((module) => {
    calculator = module;
    module.ccall('petcalc_restore', 'number', [], []);
    for (const button of document.querySelectorAll('.form > .button')) {
      button.addEventListener('click', () => {
        if (!root.dataset.busy) click(module, button);  // the dialogs are modal: one at a time
      });
    }
    boot.ready((button) => click(module, button));
    root.dataset.ready = 'true';
    performance.mark('petcalc-ready');  // when the form takes input, buttons included
    // Only now, so that caching the site for later does not compete with its first start; the
    // book after the calculator, so that it never holds the calculator up.
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
    const loader = document.createElement('script');
    loader.src = '@BOOK@';
    loader.async = true;
    document.head.append(loader);
  }, boot.fail);
})();
