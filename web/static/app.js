// The page's side of the calculator: its boxes and dialogs as the module's runtime reaches them
// (Module.page), the two buttons, the scaling to narrow screens, and the offline cache. Appended
// to the module's loader (petcalc.js), after createPetCalc, and run as soon as the loader
// arrives, while the page is still read: the module starts at once, and what needs the form
// waits for it.
(() => {
  'use strict';

  const root = document.documentElement;
  const parsed = new Promise((resolve) => {
    if (document.readyState === 'loading') {
      document.addEventListener('DOMContentLoaded', resolve, { once: true });
    } else {
      resolve();
    }
  });
  const controls = [];  // by table row, once the form is read

  // A held key presses nothing more: its repeats would confirm the dialog the first press opened.
  document.addEventListener('keydown', (event) => {
    if (event.repeat && (event.key === 'Enter' || event.key === ' ')) event.preventDefault();
  }, true);

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

  const page = {
    text: (row) => controls[row].value,
    setText(row, text, caret) {
      const box = controls[row];
      box.value = text;
      box.setSelectionRange(caret, caret);
      box.scrollLeft = 0;
    },
    ask: (prompt, title) => openDialog('prompt', title, prompt),
    message: (text, title) => openDialog('message', title, text).then(() => undefined),
    error: (text, title) => openDialog('error', title, text).then(() => undefined),
    answer: '',
  };

  // The window keeps its size, and on a screen narrower than it is scaled down whole.
  function fit(form) {
    const margin = form.offsetLeft;
    const scale = Math.min(1, (document.documentElement.clientWidth - 2 * margin) / form.offsetWidth);
    form.style.transform = scale < 1 ? `scale(${scale})` : '';
    form.style.marginBottom = `${(scale - 1) * form.offsetHeight}px`;
  }
  const started = createPetCalc({ page });

  parsed.then(() => {
    const form = document.getElementById('Form1');
    for (const control of form.querySelectorAll('[data-row]')) controls[control.dataset.row] = control;
    for (const cancel of document.querySelectorAll('.dialog .cancel')) {
      cancel.addEventListener('click', () => cancel.closest('dialog').close('cancel'));
    }
    window.addEventListener('resize', () => fit(form));
    fit(form);
    return started;
  }).then((module) => {
    const form = document.getElementById('Form1');
    for (const button of form.querySelectorAll('button[data-row]')) {
      button.addEventListener('click', () => {
        if (root.dataset.busy) return;  // the dialogs are modal: one click at a time
        root.dataset.busy = 'true';
        Promise.resolve(module.ccall('petcalc_click', null, ['number'],
                                     [Number(button.dataset.row)], { async: true }))
          .finally(() => { delete root.dataset.busy; });
      });
    }
    root.dataset.ready = 'true';
    performance.mark('petcalc-ready');  // when the form takes input, buttons included
    // Only now, so that caching the site for later does not compete with its first start.
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
  });
})();
