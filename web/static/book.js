// The page's book of pets (宠物记录): every pet the player weighs, kept in the browser's IndexedDB,
// each change stored as it is made and told to the page's other tabs. The book's rules and
// formats are its module's (the same C++ as every front end's); this script stores its entries,
// draws it below the window and answers the player. The calculator's script asks for it once the
// calculator is ready; it asks for the module when the book first needs it: at once where the book
// holds records, otherwise when the player first keeps one, imports a file or opens a shared pet.
'use strict';

// Run in a task after this script's own, which then only reads it, so that neither task holds up
// what the player does.
setTimeout(() => {

  const page = window.petcalcPage;
  const scope = new URL('./', location.href).pathname;
  const kDatabase = `petcalc book ${scope}`;
  const kStorageVersion = 2;  // the layout of the database; a newer page raises it
  const kSpare = 6;  // rows drawn beyond the viewport, each way
  const kMaxCompared = 4;
  const kMaxName = 40;
  const kMaxNote = 1000;

  // --- The module -------------------------------------------------------------------------

  let module = null;
  let making = null;
  let unread = null;  // what the database held, until the module reads it
  function needModule() {
    making = making || new Promise((resolve, reject) => {
      const loader = element('script', { src: '@BOOKLOADER@' });
      loader.onload = resolve;
      loader.onerror = () => reject(new Error('the book module did not load'));
      document.head.append(loader);
    }).then(() => createPetBook({ locateFile: () => '@BOOKMODULE@' })).then((made) => {
      module = made;
      takeUnread();
    });
    making.catch(() => { making = null; });  // the next need tries again
    return making;
  }
  // Whether the book last held records: its module is then asked for at once, beside the
  // database's read rather than after it. Only a hint: wrong, it costs a download or a wait.
  // A page no service worker controls is a first visit (or one that passed the worker by), with
  // no hint to read: a first reading of the page's storage holds the page up for up to 17 ms.
  const kHoldsRecords = `${kDatabase} holds records`;
  let hinted = null;  // what the hint says, once read or written
  function holdsRecords() {
    hinted = false;
    if (!navigator.serviceWorker || !navigator.serviceWorker.controller) return false;
    try { hinted = localStorage.getItem(kHoldsRecords) === '1'; } catch {}
    return hinted;
  }
  function hint(holds) {
    if (holds === hinted) return;
    hinted = holds;
    try { if (holds) localStorage.setItem(kHoldsRecords, '1'); else localStorage.removeItem(kHoldsRecords); } catch {}
  }
  // What the database held into the book, and the book's rows from it.
  function takeUnread() {
    if (unread) load(unread);
    unread = null;
    for (const row of rowsAt(call('rows'))) rows.set(row.id, row);
    sorted = null;
    drawSoon();
  }

  // A call into the module; strings cross as UTF-8 in its memory, freed after.
  function call(name, ...args) {
    const pointers = [];
    const values = args.map((value) => {
      if (typeof value !== 'string') return value;
      const size = module.lengthBytesUTF8(value) + 1;
      const pointer = module._malloc(size);
      module.stringToUTF8(value, pointer, size);
      pointers.push(pointer);
      return pointer;
    });
    try {
      return module[`_petbook_${name}`](...values);
    } finally {
      pointers.forEach((pointer) => module._free(pointer));
    }
  }
  // What a call gave, in the module's memory until the next call: its length asked for, rather
  // than its end searched for, byte by byte, through a book's megabytes of rows.
  const givenBytes = (pointer) => module.HEAPU8.subarray(pointer, pointer + call('given_length'));
  const utf8 = new TextDecoder();
  const text = (name, ...args) => utf8.decode(givenBytes(call(name, ...args)));
  const json = (name, ...args) => JSON.parse(text(name, ...args));
  // What the module gave, byte for byte (a spreadsheet's byte-order mark included).
  const given = (name, ...args) => givenBytes(call(name, ...args)).slice();
  // A stored entry, perhaps another tab's, merged into the book: 1 when it won, 0 when it did
  // not, -1 when it cannot be read.
  const absorb = (entry) => withBytes(entry, (pointer, length) => call('absorb', pointer, length));
  // Bytes into the module's memory for one call.
  function withBytes(bytes, use) {
    const pointer = module._malloc(bytes.length + 1);
    module.HEAPU8.set(bytes, pointer);
    try {
      return use(pointer, bytes.length);
    } finally {
      module._free(pointer);
    }
  }

  // --- Rows, as the module gives them ----------------------------------------------------

  const rows = new Map();  // id → row
  const kRowNumbers = 9, kRowWholes = 20;  // as the module lays each row out
  // A growth as the window writes it, asked of the module when a row first shows it.
  const asGrowthText = (units) => text('growth_text', units);
  class Row {
    // The row at `at` of the module's rows; its texts start at `from` in all the rows' texts.
    // Read field by field: views and iterators over the module's arrays cost more than the row.
    constructor(numbers, wholes, texts, at, from) {
      const n = at * kRowNumbers, w = at * kRowWholes;
      const pet = from + wholes[w + 4], name = pet + wholes[w + 5], note = name + wholes[w + 6];
      this.id = texts.slice(from, pet); this.pet = texts.slice(pet, name);
      this.name = texts.slice(name, note); this.note = texts.slice(note, note + wholes[w + 7]);
      this.pinned = wholes[w + 1] === 1;
      this.target = wholes[w + 2] === 1 ? wholes[w + 3] : null;
      this.stats = [wholes[w + 8], wholes[w + 9], wholes[w + 10], wholes[w + 11], wholes[w + 12], wholes[w + 13],
                    wholes[w + 14], wholes[w + 15], wholes[w + 16], wholes[w + 17], wholes[w + 18], wholes[w + 19]];
      this.made = numbers[n]; this.changed = numbers[n + 1];
      this.growthUnits = [numbers[n + 2], numbers[n + 3], numbers[n + 4], numbers[n + 5], numbers[n + 6]];
      this.threeUnits = numbers[n + 7]; this.totalUnits = numbers[n + 8];
      this.lowered = null;
      this.texts = null;
    }
    get searched() {  // what the filter looks in, made when it first looks
      if (this.lowered === null) this.lowered = `${this.name}\n${this.note}`.toLocaleLowerCase();
      return this.lowered;
    }
    // The five growths, the three and the total as the window writes them.
    shown() {
      if (this.texts === null) {
        this.texts = [...this.growthUnits, this.threeUnits, this.totalUnits].map(asGrowthText);
      }
      return this.texts;
    }
    get growth() { return this.shown().slice(0, 5); }
    get three() { return this.shown()[5]; }
    get total() { return this.shown()[6]; }
  }
  // The rows a call gave, in the module's memory; null for each one not present.
  function rowsAt(pointer) {
    const buffer = module.HEAPU8.buffer;
    const [count, wholesAt, textsAt, textBytes] = new Uint32Array(buffer, pointer, 4);
    const numbers = new Float64Array(buffer, pointer + 16, count * kRowNumbers);
    const wholes = new Int32Array(buffer, pointer + wholesAt, count * kRowWholes);
    const texts = utf8.decode(module.HEAPU8.subarray(pointer + textsAt, pointer + textsAt + textBytes));
    const made = [];
    let from = 0;
    for (let at = 0, w = 0; at < count; ++at, w += kRowWholes) {
      made.push(wholes[w] === 1 ? new Row(numbers, wholes, texts, at, from) : null);
      from += wholes[w + 4] + wholes[w + 5] + wholes[w + 6] + wholes[w + 7];  // none for one not present
    }
    return made;
  }
  function refresh(ids) {
    const fresh = rowsAt(call('rows_of', ids.join('\n')));
    ids.forEach((id, i) => {
      if (fresh[i]) rows.set(id, fresh[i]); else rows.delete(id);
    });
    sorted = null;
  }

  // --- Storage ------------------------------------------------------------------------------

  let db = null;
  let writable = false;
  let storing = Promise.resolve();
  const channel = 'BroadcastChannel' in window ? new BroadcastChannel(kDatabase) : null;

  function request(r) {
    return new Promise((resolve, reject) => {
      r.onsuccess = () => resolve(r.result);
      r.onerror = () => reject(r.error);
    });
  }
  function finished(transaction) {
    return new Promise((resolve, reject) => {
      transaction.oncomplete = resolve;
      transaction.onerror = () => reject(transaction.error);
      transaction.onabort = () => reject(transaction.error || new Error('aborted'));
    });
  }

  function open() {
    return new Promise((resolve, reject) => {
      const opening = indexedDB.open(kDatabase, kStorageVersion);
      opening.onupgradeneeded = () => {
        const database = opening.result;
        for (const name of ['entries', 'meta', 'recent']) {
          if (!database.objectStoreNames.contains(name)) database.createObjectStore(name);
        }
      };
      opening.onsuccess = () => resolve(opening.result);
      opening.onerror = () => reject(opening.error);
      opening.onblocked = () => reject(new Error('blocked'));
    });
  }

  // Every entry lives in 'entries', under its id. Reading ten thousand small values one by one
  // is slow, so 'meta' also holds a snapshot of them all as one value, and 'recent' names each
  // entry written since, with the token of its last write: what the database holds is the
  // snapshot with the recent entries read over it. Without a snapshot (a database of the first
  // layout, or one the page cannot read) every entry is read instead.
  const kSnapshot = 'snapshot';
  const kSnapshotStamp = 'snapshot stamp';  // changes with every snapshot written
  const writeToken = `${Math.random().toString(36).slice(2)}:`;
  let writes = 0;
  const newToken = () => `${writeToken}${++writes}`;  // this page's, never given twice

  // The stored entries, as the module reads them: their ids, lengths and bytes one after another.
  function together(ids, values) {
    const entries = values.map((value) => (value instanceof Uint8Array ? value : new Uint8Array()));
    const lengths = new Int32Array(entries.map((entry) => entry.length));
    const bytes = new Uint8Array(lengths.reduce((sum, length) => sum + length, 0));
    entries.reduce((at, entry) => { bytes.set(entry, at); return at + entry.length; }, 0);
    return { ids, lengths, bytes };
  }
  function readableSnapshot(snapshot) {
    if (!snapshot || typeof snapshot.ids !== 'string' || !(snapshot.lengths instanceof Int32Array) ||
        !(snapshot.bytes instanceof Uint8Array)) return null;
    const ids = snapshot.ids ? snapshot.ids.split('\n') : [];
    if (ids.length !== snapshot.lengths.length) return null;
    let size = 0;
    for (const length of snapshot.lengths) {
      if (length < 0) return null;
      size += length;
    }
    return size === snapshot.bytes.length ? { ids, lengths: snapshot.lengths, bytes: snapshot.bytes } : null;
  }
  // The snapshot's entries, each recent one as 'entries' holds it instead.
  function withRecent(snapshot, recentIds, recentValues) {
    if (!recentIds.length) return snapshot;
    const ids = [], values = [];
    const recent = new Set(recentIds);
    let at = 0;
    snapshot.ids.forEach((id, i) => {
      const end = at + snapshot.lengths[i];
      if (!recent.has(id)) {
        ids.push(id);
        values.push(snapshot.bytes.subarray(at, end));
      }
      at = end;
    });
    recentIds.forEach((id, i) => {
      if (recentValues[i] === undefined) return;  // named, but its entry never stored
      ids.push(id);
      values.push(recentValues[i]);
    });
    return together(ids, values);
  }

  // The database and everything it holds, read while the module downloads and compiles.
  async function readStored() {
    const database = await open();
    const transaction = database.transaction(['entries', 'meta', 'recent'], 'readonly');
    const entries = transaction.objectStore('entries');
    const meta = transaction.objectStore('meta');
    const recent = transaction.objectStore('recent');
    // Counted before they are read, so that a book with records fetches its module meanwhile.
    request(entries.count()).then((count) => { if (count) needModule().catch(() => {}); });
    const [format, on, stamp, snapshot, recentIds, tokens] = await Promise.all([
      request(meta.get('format')), request(meta.get('keeping')), request(meta.get(kSnapshotStamp)),
      request(meta.get(kSnapshot)), request(recent.getAllKeys()), request(recent.getAll())]);
    const fast = readableSnapshot(snapshot);
    let stored;
    if (fast) {
      stored = withRecent(fast, recentIds, await Promise.all(recentIds.map((id) => request(entries.get(id)))));
    } else {
      const [ids, values] = await Promise.all([request(entries.getAllKeys()), request(entries.getAll())]);
      stored = together(ids, values);
    }
    const seen = { stamp, recent: new Map(recentIds.map((id, i) => [id, tokens[i]])),
                   fresh: fast !== null && !recentIds.length };
    return { database, stored, seen, format, on };
  }

  // A snapshot of what the database held when the page read it, written where nothing but
  // recent entries changed since: each recent entry written since keeps its name in 'recent'.
  async function writeSnapshot({ stored, seen }) {
    if (!writable || seen.fresh) return;
    const transaction = db.transaction(['meta', 'recent'], 'readwrite');
    const meta = transaction.objectStore('meta');
    const recent = transaction.objectStore('recent');
    if (await request(meta.get(kSnapshotStamp)) !== seen.stamp) return;  // another tab's is newer
    meta.put({ ids: stored.ids.join('\n'), lengths: stored.lengths, bytes: stored.bytes }, kSnapshot);
    meta.put(newToken(), kSnapshotStamp);
    const tokens = await Promise.all([...seen.recent.keys()].map((id) => request(recent.get(id))));
    [...seen.recent].forEach(([id, token], i) => { if (tokens[i] === token) recent.delete(id); });
    await finished(transaction).catch(() => {});  // a snapshot not written is only slower to read
  }

  // Every stored entry into the book. An entry it cannot read is left as it is, and never
  // written over.
  function load({ stored, format }) {
    if (typeof format === 'number' && format > call('format_version')) {
      stopWriting('newer');
      return;
    }
    const unreadable = withBytes(stored.bytes, (pointer) => withBytes(new Uint8Array(stored.lengths.buffer,
      stored.lengths.byteOffset, stored.lengths.byteLength), (places) =>
      JSON.parse(module.UTF8ToString(call('load', pointer, places, stored.ids.length)))));
    if (writable) storeSetting('format', call('format_version'));
    if (!unreadable.length) return;
    say(`有 ${unreadable.length} 条记录无法读取，已原样保留。`);
    unreadable.forEach((place) => skipped.add(stored.ids[place]));
  }
  let skipped = new Set();  // stored entries this page cannot read: never written over

  // Stores the entries of `ids` as the book holds them, each merged first with what another tab
  // may have stored meanwhile; then tells the other tabs. A write that fails is said, and what
  // was stored before stays.
  function store(ids) {
    if (!ids.length) return storing;
    storing = storing.then(async () => {
      if (!writable) return;
      const transaction = db.transaction(['entries', 'recent'], 'readwrite');
      const entries = transaction.objectStore('entries');
      const recent = transaction.objectStore('recent');
      const token = newToken();
      const merged = [];
      let refused = null;  // a write the storage refused outright, which undoes the transaction
      for (const id of ids) {
        if (skipped.has(id)) continue;
        entries.get(id).onsuccess = (event) => {
          const stored = event.target.result;
          if (stored instanceof Uint8Array && absorb(stored) === -1) {
            skipped.add(id);
            return;
          }
          if (stored instanceof Uint8Array) merged.push(id);
          const entry = given('entry', id);
          try {
            if (entry.length) {
              entries.put(entry, id);
              recent.put(token, id);
            }
          } catch (error) {
            refused = refused || error;
            transaction.abort();
          }
        };
      }
      try {
        await finished(transaction);
        clearAlert('storage');
      } catch (error) {
        alarm('storage', `宠物记录未能保存（${storageProblem(refused || error)}）。已保存的记录不受影响，计算器照常可用。`);
        return;
      }
      if (merged.length) {
        refresh(merged);
        drawSoon();
      }
      if (channel) channel.postMessage({ ids });
    });
    return storing;
  }

  function storageProblem(error) {
    if (error && error.name === 'QuotaExceededError') return '存储空间已满';
    return '浏览器不允许保存，可能是无痕窗口或存储已关闭';
  }

  async function storeSetting(key, value) {
    if (!writable) return;
    const transaction = db.transaction('meta', 'readwrite');
    transaction.objectStore('meta').put(value, key);
    await finished(transaction).catch(() => {});
  }

  // Another tab's changes, read from storage.
  async function absorbStored(ids) {
    if (!db) return;
    await needModule();
    const transaction = db.transaction('entries', 'readonly');
    const stored = await Promise.all(ids.map((id) => request(transaction.objectStore('entries').get(id))));
    stored.forEach((entry) => { if (entry instanceof Uint8Array) absorb(entry); });
    refresh(ids);
    drawSoon();
  }

  function stopWriting(why) {
    writable = false;
    if (db) db.close();
    alarm('version', why === 'newer'
      ? '宠物记录已由本页的较新版本保存过，这一页已过时，不再写入。请重新载入页面。'
      : '本页的较新版本已在另一个标签页打开，这一页不再写入宠物记录。请重新载入页面。', true);
  }

  let persistAsked = false;
  function askToPersist() {
    if (persistAsked || !navigator.storage || !navigator.storage.persist) return;
    persistAsked = true;
    navigator.storage.persist().catch(() => {});  // a browser that says no is not an error
  }

  // --- What the player does --------------------------------------------------------------

  let keeping = true;
  let undo = null;  // the last thing the player may take back: { what, run }
  const now = () => Date.now();

  // The rows of `ids` drawn anew, on the next frame, and their entries stored once the click or
  // the key that changed them has been answered.
  function changed(ids) {
    refresh(ids);
    drawSoon();
    return new Promise((resolve) => setTimeout(resolve)).then(() => store(ids));
  }

  function keep(click) {
    if (!click.byPlayer || !keeping) return;
    if (module) {
      keepNow(click);
      return;
    }
    needModule().then(() => keepNow(click), () => alarm('module',
      '宠物记录未能载入，这次计算没有记下。计算器照常可用；请检查网络后重新载入页面。', true));
  }

  function keepNow(click) {
    const stats = click.stats;
    const pointer = module._malloc(4 * stats.length);
    module.HEAP32.set(stats, pointer >> 2);
    let kept;
    try {
      kept = JSON.parse(module.UTF8ToString(module._petbook_keep(click.kind === 'growth' ? 1 : 0, pointer,
                                                                click.target, now())));
    } finally {
      module._free(pointer);
    }
    if (!kept.changes.length) return;
    askToPersist();
    changed(kept.changes);
  }

  function remove(ids, everything) {
    const deletion = json('delete', ids.join('\n'), everything ? 1 : 0, now());
    if (!deletion.changes.length) return;
    deletion.changes.forEach((id) => checked.delete(id));
    if (deletion.changes.includes(selected)) select(null);
    changed(deletion.changes);
    offerUndo(`已删除 ${deletion.changes.length} 条记录`, () => changed(json('undo', deletion.undo)));
  }

  function offerUndo(what, run) {
    undo = { what, run };
    say(what, true);
  }

  function takeBack() {
    if (!undo) return;
    const { run } = undo;
    undo = null;
    run();
    say('已撤销');
  }

  // The record's stats and target level typed into the window, then its clicks made for the
  // player; an undo brings back what the window held.
  async function putBack(row, what) {
    if (page.busy()) {
      say('计算器正忙，请先关闭对话框。');
      return false;
    }
    const before = page.window();
    const texts = {};
    for (const box of document.querySelectorAll('.form > .box[data-stat]')) {
      texts[box.id] = String(row.stats[Number(box.dataset.stat)]);
    }
    texts[document.querySelector('.form > .box[data-target-level]').id] = row.target === null ? '' : String(row.target);
    await page.putBack(texts, row.target === null ? ['Command1'] : ['Command1', 'Command2']);
    offerUndo(what, () => page.restore(before));
    return true;
  }

  // --- Drawing -----------------------------------------------------------------------------

  const element = (tag, attributes = {}, ...children) => {
    const made = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
      if (name === 'text') made.textContent = value;
      else if (value !== false && value !== null) made.setAttribute(name, value === true ? '' : value);
    }
    made.append(...children);
    return made;
  };
  const button = (caption, attributes = {}) => element('button', { type: 'button', ...attributes, text: caption });

  const section = element('section', { class: 'book', id: 'book', 'aria-labelledby': 'book-title' });
  const title = element('h2', { id: 'book-title', tabindex: '-1', text: '宠物记录' });
  const switchBox = element('input', { type: 'checkbox', role: 'switch', id: 'book-keeping' });
  const filter = element('input', { type: 'search', id: 'book-filter', autocomplete: 'off',
                                    placeholder: '名字或备注', 'aria-label': '筛选名字或备注' });
  const compareButton = button('比较', { id: 'book-compare', disabled: true });
  const exportButton = button('导出', { id: 'book-export' });
  const importButton = button('导入', { id: 'book-import' });
  const clearButton = button('清空', { id: 'book-clear' });
  const fileInput = element('input', { type: 'file', accept: '.json,.csv,application/json,text/csv', hidden: true,
                                       id: 'book-file' });
  const notice = element('p', { class: 'book-notice', id: 'book-notice', role: 'status' });
  const noticeText = element('span');
  const undoButton = button('撤销', { id: 'book-undo', hidden: true });
  notice.append(noticeText, undoButton);
  const alerts = element('div', { class: 'book-alerts', id: 'book-alerts' });
  const list = element('div', { class: 'book-list', id: 'book-list', 'aria-labelledby': 'book-title' });
  const head = element('div', { class: 'book-head', role: 'rowgroup' });
  const viewport = element('div', { class: 'book-viewport', id: 'book-viewport' });
  const body = element('div', { class: 'book-body', role: 'rowgroup' });
  viewport.append(body);
  list.append(head, viewport);
  const empty = element('p', { class: 'book-empty', id: 'book-empty',
                               text: '还没有记录。每次“计 算”或“预 测”后，这只宠物就记在这里。' });
  const detail = element('div', { class: 'book-detail', id: 'book-detail', hidden: true });
  const compared = element('div', { class: 'book-compared', id: 'book-compared', hidden: true });
  const dialog = element('dialog', { class: 'dialog book-dialog', id: 'book-dialog', 'aria-labelledby': 'book-dialog-title' });

  section.append(
    title,
    element('div', { class: 'book-bar' },
            element('label', { class: 'book-switch' }, switchBox, ' 记录每次计算'),
            element('label', { class: 'book-filter' }, element('span', { text: '筛选' }), filter),
            compareButton, exportButton, importButton, clearButton, fileInput),
    notice, alerts, list, empty, compared, detail);

  // F2 opens the book from anywhere outside a dialog: the focus on its title, or, inside the book
  // with a record chosen, on the record's name, as F2 renames on a desktop. Pressed before the
  // book is on the page, the focus goes to it once it is.
  let titleWanted = false;
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'F2' || event.repeat || document.querySelector('dialog[open]')) return;
    event.preventDefault();
    const name = document.getElementById('book-name');
    if (name && section.contains(document.activeElement) && !detail.hidden) name.focus();
    else if (section.isConnected) title.focus();
    else titleWanted = true;
  });

  // The columns of the desktop's table: heading, how a row shows it, how it sorts.
  // Names in pinyin order, by the browser's collator, made when first asked for: making one takes
  // a while, and an empty book never needs it.
  let collator = null;
  const byName = (a, b) => {
    collator = collator || new Intl.Collator('zh-CN-u-co-pinyin', { numeric: true });
    return collator.compare(a, b);
  };
  const byNumber = (a, b) => (a < b ? -1 : a > b ? 1 : 0);
  const growthNames = ['体力成长率', '攻击成长率', '防御成长率', '敏捷成长率', '灵感成长率'];
  const columns = [
    { key: 'choice', heading: '选择', cell: (row) => pickBox(row) },
    { key: 'pinned', heading: '置顶', cell: (row) => (row.pinned ? '★' : ''),
      order: (a, b) => byNumber(Number(b.pinned), Number(a.pinned)) },
    { key: 'name', heading: '名字', cell: (row) => row.name || '未命名',
      order: (a, b) => byName(a.name, b.name) },
    { key: 'level', heading: '等级', cell: (row) => `${row.stats[0]}→${row.stats[6]}`,
      order: (a, b) => byNumber(a.stats[6], b.stats[6]) || byNumber(a.stats[0], b.stats[0]) },
    ...growthNames.map((heading, i) => ({
      key: `growth${i}`, heading, cell: (row) => row.growth[i],
      order: (a, b) => byNumber(a.growthUnits[i], b.growthUnits[i]) })),
    { key: 'three', heading: '三围成长', cell: (row) => row.three,
      order: (a, b) => byNumber(a.threeUnits, b.threeUnits) },
    { key: 'total', heading: '总成长', cell: (row) => row.total,
      order: (a, b) => byNumber(a.totalUnits, b.totalUnits) },
    { key: 'target', heading: '预测等级', cell: (row) => (row.target === null ? '' : String(row.target)),
      order: (a, b) => byNumber(a.target ?? -Infinity, b.target ?? -Infinity) },
    { key: 'changed', heading: '修改时间', cell: (row) => when(row.changed),
      order: (a, b) => byNumber(a.changed, b.changed) },
  ];
  // A time as the player's clock reads it: 2026-12-08 10:45.
  const when = (ms) => {
    const at = new Date(ms);
    const two = (n) => String(n).padStart(2, '0');
    return `${at.getFullYear()}-${two(at.getMonth() + 1)}-${two(at.getDate())} ${two(at.getHours())}:${two(at.getMinutes())}`;
  };

  let sortKey = 'changed';
  let sortDown = true;  // newest first
  let sorted = null;  // every row in view order; null once a row or the order has changed
  let shown = [];  // the rows in view order, after the filter
  let selected = null;
  const checked = new Set();
  let filterText = '';

  // The rows in view order, sorted again only when a row or the order has changed: pinned
  // records first, then the chosen column, then the newest; then those the filter lets through.
  function order() {
    if (!sorted) {
      const column = columns.find((c) => c.key === sortKey);
      const sign = sortDown ? -1 : 1;
      sorted = [...rows.values()].sort((a, b) => byNumber(Number(b.pinned), Number(a.pinned))
        || sign * column.order(a, b) || byNumber(b.made, a.made) || byNumber(a.id, b.id));
    }
    const wanted = filterText.toLocaleLowerCase();
    shown = wanted ? sorted.filter((row) => row.searched.includes(wanted)) : sorted;
  }

  // The touch layout's list where the page lays its form out for a finger, a table elsewhere.
  const form = document.querySelector('.form');
  function layout() { return getComputedStyle(form).display === 'grid' ? 'list' : 'table'; }
  const rowHeight = () => parseFloat(getComputedStyle(list).getPropertyValue('--book-row-height'));

  let headDrawn = null;  // the layout and the order the head was drawn for
  function drawHead() {
    const isTable = layout() === 'table';
    const wanted = `${isTable} ${sortKey} ${sortDown}`;
    if (wanted === headDrawn) return;
    headDrawn = wanted;
    list.setAttribute('role', isTable ? 'table' : 'list');
    if (isTable) body.setAttribute('role', 'rowgroup'); else body.removeAttribute('role');
    head.hidden = !isTable;
    head.replaceChildren();
    if (!isTable) return;
    const line = element('div', { role: 'row', class: 'book-row book-heading', 'aria-rowindex': '1' });
    for (const column of columns) {
      const sorted = column.key === sortKey;
      const cell = element('div', { role: 'columnheader', class: `book-cell book-${column.key}`,
                                    'aria-sort': sorted ? (sortDown ? 'descending' : 'ascending') : false });
      if (column.order) {
        const sort = button(column.heading, { class: 'book-sort', 'data-key': column.key });
        sort.addEventListener('click', () => sortBy(column.key));
        cell.append(sort);
      } else {
        cell.append(element('span', { class: 'visually-hidden', text: column.heading }));
      }
      line.append(cell);
    }
    head.append(line);
  }

  function sortBy(key) {
    sortDown = key === sortKey ? !sortDown : key === 'changed';
    sortKey = key;
    sorted = null;
    draw();
    head.querySelector(`[data-key="${key}"]`).focus();
  }

  function pickBox(row) {
    const pick = element('input', { type: 'checkbox', class: 'book-pick', 'aria-label': `选择${row.name || '未命名'}（比较）`,
                                    checked: checked.has(row.id) });
    pick.addEventListener('click', (event) => event.stopPropagation());
    pick.addEventListener('change', () => {
      if (pick.checked) checked.add(row.id); else checked.delete(row.id);
      compareButton.disabled = checked.size < 2 || checked.size > kMaxCompared;
      drawDetail();
    });
    return pick;
  }

  function drawRow(row, index) {
    const isTable = layout() === 'table';
    const line = element('div', {
      role: isTable ? 'row' : 'listitem', class: 'book-row', 'data-id': row.id,
      'aria-rowindex': isTable ? String(index + 2) : false, 'aria-selected': isTable ? String(row.id === selected) : false,
      'aria-current': !isTable && row.id === selected ? 'true' : false,
      tabindex: row.id === (selected ?? shown[0]?.id) ? '0' : '-1',
      'aria-label': isTable ? false : `${row.name || '未命名'}，等级 ${row.stats[0]} 到 ${row.stats[6]}，三围成长 ${row.three}，总成长 ${row.total}`,
    });
    line.style.transform = `translateY(${index * rowHeight()}px)`;
    if (isTable) {
      for (const column of columns) {
        const content = column.cell(row);
        line.append(element('div', { role: 'cell', class: `book-cell book-${column.key}` }, content));
      }
    } else {
      line.append(
        element('div', { class: 'book-card-top' }, pickBox(row),
                element('span', { class: 'book-card-name', text: `${row.pinned ? '★ ' : ''}${row.name || '未命名'}` }),
                element('span', { class: 'book-card-level', text: `等级 ${row.stats[0]}→${row.stats[6]}` })),
        element('div', { class: 'book-card-sums', text: `三围成长 ${row.three}　总成长 ${row.total}` }),
        element('div', { class: 'book-card-growth',
                         text: growthNames.map((name, i) => `${name.slice(0, 2)} ${row.growth[i]}`).join('　') }));
    }
    line.addEventListener('click', () => select(row.id, true));
    return line;
  }

  // Only the rows in view, and a few beyond, are drawn: a book of any length costs the same.
  function rowsInView() {
    const height = rowHeight();
    const first = Math.max(0, Math.floor(viewport.scrollTop / height) - kSpare);
    const last = Math.min(shown.length, Math.ceil((viewport.scrollTop + viewport.clientHeight) / height) + kSpare);
    return [first, last];
  }

  let drawn = [0, 0];
  function drawRows() {
    body.style.height = shown.length ? `${shown.length * rowHeight()}px` : '0';
    // Nothing to lay out for an empty list: no forced layout of the page to measure it.
    const [first, last] = drawn = shown.length ? rowsInView() : [0, 0];
    const lines = [];
    for (let i = first; i < last; ++i) lines.push(drawRow(shown[i], i));
    body.replaceChildren(...lines);
    if (layout() === 'table') list.setAttribute('aria-rowcount', String(shown.length + 1));
    else list.removeAttribute('aria-rowcount');
  }

  let drawing = 0;
  function drawSoon() {
    if (!drawing) drawing = requestAnimationFrame(() => { drawing = 0; draw(); });
  }

  function draw() {
    order();
    drawHead();
    drawRows();
    hint(rows.size > 0);
    empty.hidden = rows.size > 0;
    list.hidden = rows.size === 0;
    compareButton.disabled = checked.size < 2 || checked.size > kMaxCompared;
    clearButton.disabled = rows.size === 0;
    if (selected && !rows.has(selected)) select(null);
    drawDetail();
  }

  function select(id, focus = false) {
    selected = id;
    drawRows();
    drawDetail();
    if (focus && id) {
      const line = body.querySelector(`[data-id="${CSS.escape(id)}"]`);
      if (line) line.focus();
    }
  }

  // Arrow keys walk the rows, Home and End go to the ends, Delete deletes.
  viewport.addEventListener('keydown', (event) => {
    const at = shown.findIndex((row) => row.id === selected);
    const moves = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: shown.length - 1,
                    PageDown: at + 10, PageUp: at - 10 };
    if (event.key in moves && shown.length) {
      event.preventDefault();
      const next = Math.max(0, Math.min(shown.length - 1, moves[event.key]));
      const height = rowHeight();
      if (next * height < viewport.scrollTop) viewport.scrollTop = next * height;
      if ((next + 1) * height > viewport.scrollTop + viewport.clientHeight) {
        viewport.scrollTop = (next + 1) * height - viewport.clientHeight;
      }
      select(shown[next].id, true);
    } else if (event.key === 'Delete' && selected) {
      event.preventDefault();
      remove([selected]);
    }
  });
  // A scroll redraws only when other rows come into view: a row being tapped stays the row.
  viewport.addEventListener('scroll', () => requestAnimationFrame(() => {
    const [first, last] = rowsInView();
    if (first !== drawn[0] || last !== drawn[1]) drawRows();
  }), { passive: true });

  // --- The selected record: its fields, its actions, its pet's timeline --------------------

  function drawDetail() {
    const row = selected && rows.get(selected);
    detail.hidden = !row;
    if (!row) {
      detail.replaceChildren();
      return;
    }
    // Not under the player's hands: a field being typed into stays as it is.
    if (detail.dataset.id === row.id && detail.contains(document.activeElement)) return;
    detail.dataset.id = row.id;
    const nameField = element('input', { id: 'book-name', maxlength: String(kMaxName), autocomplete: 'off', value: row.name });
    nameField.value = row.name;
    const noteField = element('textarea', { id: 'book-note', maxlength: String(kMaxNote), rows: '2' });
    noteField.value = row.note;
    // On committed text only: an input method's half-composed text sets nothing.
    nameField.addEventListener('change', () => changed(json('rename', row.id, nameField.value, now())));
    noteField.addEventListener('change', () => changed(json('note', row.id, noteField.value, now())));
    nameField.addEventListener('keydown', (event) => { if (event.key === 'Enter' && !event.isComposing) nameField.blur(); });

    const others = [...checked].filter((id) => id !== row.id && rows.has(id));
    const actions = element('div', { class: 'book-actions' },
      action('放回窗口', 'book-put-back', () => putBack(row, '已放回窗口')),
      action('分享', 'book-share', () => share(row)),
      action('复制文字', 'book-copy', () => copyText(row)),
      action(row.pinned ? '取消置顶' : '置顶', 'book-pin', () => changed(json('pin', row.id, row.pinned ? 0 : 1, now()))),
      action('删除', 'book-delete', () => remove([row.id])),
      action('拆为单独的宠物', 'book-split', () => changed(json('split', row.id, now()))),
      action('并入勾选的宠物', 'book-join', () => changed(json('join', row.id, others[0], now())), others.length !== 1));

    detail.replaceChildren(
      element('h3', { text: `${row.name || '未命名'}：等级 ${row.stats[0]}→${row.stats[6]}` }),
      element('div', { class: 'book-fields' },
              element('label', { for: 'book-name', text: '名字' }), nameField,
              element('label', { for: 'book-note', text: '备注' }), noteField),
      actions, timeline(row));
  }

  function action(caption, id, run, disabled = false) {
    const made = button(caption, { id, disabled });
    made.addEventListener('click', run);
    return made;
  }

  // The pet's records in level order, and each growth against the levels gained.
  function timeline(row) {
    const ids = json('timeline', row.pet);
    const records = ids.map((id) => rows.get(id)).filter(Boolean);
    const figure = element('figure', { class: 'book-timeline', id: 'book-timeline' });
    figure.append(element('figcaption', { text: `${row.name || '这只宠物'}的成长（${records.length} 条记录，按等级）` }));
    const table = element('table', { class: 'book-timeline-table' });
    table.append(element('tr', {}, element('th', { scope: 'col', text: '等级' }),
                         ...growthNames.map((name) => element('th', { scope: 'col', text: name }))));
    for (const record of records) {
      table.append(element('tr', {}, element('th', { scope: 'row', text: `${record.stats[0]}→${record.stats[6]}` }),
                           ...record.growth.map((growth) => element('td', { text: growth }))));
    }
    figure.append(chart(records), table);
    return figure;
  }

  const svg = (tag, attributes) => {
    const made = document.createElementNS('http://www.w3.org/2000/svg', tag);
    for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
    return made;
  };

  // Each growth against the levels gained: a line a stat, a point a record, the ends of both
  // axes labelled.
  function chart(records) {
    const [width, height, left, bottom] = [320, 140, 52, 20];
    const drawing = svg('svg', { viewBox: `0 0 ${width} ${height}`, class: 'book-chart', role: 'img',
                                 'aria-label': '各项成长率随已升等级的变化' });
    const gained = records.map((r) => r.stats[6] - r.stats[0]);
    const values = records.flatMap((r) => r.growthUnits);
    const span = (low, high) => (low === high ? [low - 1, high + 1] : [low, high]);
    const [xLow, xHigh] = span(Math.min(...gained), Math.max(...gained));
    const [yLow, yHigh] = span(Math.min(...values), Math.max(...values));
    const x = (v) => left + (v - xLow) / (xHigh - xLow) * (width - left - 8);
    const y = (v) => 8 + (yHigh - v) / (yHigh - yLow) * (height - bottom - 16);
    const label = (at, text, anchor) => {
      const made = svg('text', { x: at[0], y: at[1], 'text-anchor': anchor, class: 'book-chart-label' });
      made.textContent = text;
      return made;
    };
    const lowest = values.indexOf(Math.min(...values));
    const highest = values.indexOf(Math.max(...values));
    const growthText = (index) => records[Math.floor(index / 5)].growth[index % 5];
    drawing.append(
      svg('line', { x1: left, y1: height - bottom, x2: width - 8, y2: height - bottom, class: 'book-axis' }),
      svg('line', { x1: left, y1: 8, x2: left, y2: height - bottom, class: 'book-axis' }),
      label([left - 4, y(Math.max(...values)) + 4], growthText(highest), 'end'),
      label([left - 4, y(Math.min(...values)) + 4], growthText(lowest), 'end'),
      label([x(Math.min(...gained)), height - 4], `已升 ${Math.min(...gained)} 级`, 'start'),
      label([width - 8, height - 4], `${Math.max(...gained)} 级`, 'end'));
    growthNames.forEach((name, stat) => {
      const points = records.map((r, i) => `${x(gained[i]).toFixed(1)},${y(r.growthUnits[stat]).toFixed(1)}`);
      drawing.append(svg('polyline', { points: points.join(' '), class: `book-line book-line-${stat}` }));
      for (const point of points) {
        const [cx, cy] = point.split(',');
        drawing.append(svg('circle', { cx, cy, r: 2.5, class: `book-dot book-line-${stat}` }));
      }
    });
    const legend = element('p', { class: 'book-legend' },
      ...growthNames.map((name, stat) => element('span', { class: 'book-key' },
                                                  element('span', { class: `book-swatch book-line-${stat}` }), name)));
    return element('div', { class: 'book-chart-holder' }, drawing, legend);
  }

  // --- Comparing ---------------------------------------------------------------------------

  function compare() {
    const ids = shown.filter((row) => checked.has(row.id)).map((row) => row.id);
    if (ids.length < 2 || ids.length > kMaxCompared) return;
    const values = json('compare', ids.join('\n'));
    const names = ids.map((id) => rows.get(id).name || '未命名');
    const table = element('table', { class: 'book-compare-table' });
    table.append(element('caption', { text: `比较 ${ids.length} 条记录（差值相对第一条）` }));
    table.append(element('tr', {}, element('th', { scope: 'col', text: '项目' }),
      ...names.map((name, i) => element('th', { scope: 'col', text: i ? `${name}（差值）` : name }))));
    for (const [name, texts, differences] of values) {
      table.append(element('tr', {}, element('th', { scope: 'row', text: name }),
        ...texts.map((value, i) => element('td', { text: i ? `${value}（${differences[i - 1]}）` : value }))));
    }
    const close = button('关闭比较', { id: 'book-compare-close' });
    close.addEventListener('click', () => { compared.hidden = true; compareButton.focus(); });
    compared.replaceChildren(table, close);
    compared.hidden = false;
    close.focus();
  }

  // --- Sharing, copying, exporting, importing ----------------------------------------------

  async function share(row) {
    const link = `${location.href.split('#')[0]}#${text('share', row.id)}`;
    const summary = text('summary', row.id);
    if (navigator.share) {
      try {
        await navigator.share({ title: '宠物记录', text: summary, url: link });
        say('已分享');
        return;
      } catch (error) {
        if (error.name === 'AbortError') return;
      }
    }
    await copy(`${summary}${link}\n`, '链接和文字已复制到剪贴板');
  }

  function copyText(row) { return copy(text('summary', row.id), '文字已复制到剪贴板'); }

  async function copy(value, said) {
    try {
      await navigator.clipboard.writeText(value);
      say(said);
    } catch (error) {
      ask('复制', [element('p', { text: '请选中下面的文字复制：' }),
                   element('textarea', { class: 'book-copy-text', readonly: true, rows: '6', 'aria-label': '要复制的文字' }, value)],
          [['确定', 'ok']]);
    }
  }

  function download(name, content, type) {
    const link = element('a', { href: URL.createObjectURL(new Blob([content], { type })), download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  async function exportBook() {
    await needModule();
    const choice = await ask('导出', [element('p', { text: '导出全部记录为：' })],
                             [['宠物记录文件（JSON）', 'json'], ['表格（CSV）', 'csv'], ['取消', 'cancel']]);
    const day = new Date().toISOString().slice(0, 10);
    if (choice === 'json') download(`宠物记录-${day}.json`, given('export_json'), 'application/json');
    if (choice === 'csv') download(`宠物记录-${day}.csv`, given('export_csv'), 'text/csv;charset=utf-8');
  }

  // A file's bytes as the book reads them: JSON as UTF-8, a spreadsheet's CSV as UTF-8 or, where
  // it is not, as GB18030, by the browser's own decoder.
  function readable(bytes, isJson) {
    const decode = (encoding) => new TextDecoder(encoding, { fatal: true }).decode(bytes);
    if (isJson || withBytes(bytes, (pointer, length) => call('is_utf8', pointer, length))) {
      try { return decode('utf-8'); } catch (error) { return null; }
    }
    try { return decode('gb18030'); } catch (error) { return null; }
  }

  async function importFile(file) {
    await needModule();
    const bytes = new Uint8Array(await file.arrayBuffer());
    const isJson = /\.json$/i.test(file.name) || bytes[0] === 0x7B;
    const decoded = readable(bytes, isJson);
    const preview = decoded === null
      ? { refused: isJson ? '不是 JSON 文件，或文件已损坏' : text('undecodable') }
      : withBytes(new TextEncoder().encode(decoded), (pointer, length) =>
        JSON.parse(module.UTF8ToString(call('preview', isJson ? 1 : 0, pointer, length, now()))));
    if (preview.refused) {
      await ask('导入', [element('p', { class: 'book-refused', text: `无法导入“${file.name}”：${preview.refused}` })], [['确定', 'ok']]);
      return;
    }
    const content = [element('p', { id: 'book-import-counts',
      text: `新记录 ${preview.new} 条，已有 ${preview.same} 条，将更新 ${preview.changed} 条，将删除 ${preview.deleted} 条。` })];
    const back = [];
    const deletedHere = rowsAt(call('preview_rows'));
    if (deletedHere.length) {
      content.push(element('p', { text: `以下 ${deletedHere.length} 条记录已在这里删除，文件里仍有。勾选的将恢复，其余保持删除：` }));
      const choices = element('ul', { class: 'book-deleted-here' });
      for (const r of deletedHere) {
        const box = element('input', { type: 'checkbox', 'data-id': r.id, id: `book-back-${r.id}` });
        back.push(box);
        choices.append(element('li', {}, box, element('label', { for: box.id, text: ` ${r.name || '未命名'}（等级 ${r.stats[0]}→${r.stats[6]}）` })));
      }
      content.push(choices);
    }
    if (preview.problems.length) {
      content.push(element('p', { text: `有 ${preview.problems.length} 行无法读取，不会导入：` }));
      content.push(element('ul', { class: 'book-problems', id: 'book-import-problems' },
        ...preview.problems.slice(0, 50).map(([where, why]) => element('li', { text: `${where}：${why}` }))));
    }
    const answer = await ask(`导入“${file.name}”`, content, [['导入', 'ok'], ['取消', 'cancel']]);
    if (answer !== 'ok') return;
    const bring = back.filter((box) => box.checked).map((box) => box.dataset.id);
    const changes = json('apply', bring.join('\n'));
    await changed(changes);
    say(`已导入：${changes.length} 条记录有变化`);
  }

  // --- Opening a shared pet ----------------------------------------------------------------

  async function openShared() {
    const fragment = decodeURIComponent(location.hash.slice(1));
    if (!fragment.startsWith('pet')) return;
    history.replaceState(null, '', location.href.split('#')[0]);
    await needModule();
    const pet = json('read_share', fragment);
    if (!pet) {
      say('链接里的宠物数据有误，未打开。');
      return;
    }
    // A friend's pet enters the book only when the player clicks for it themselves.
    await putBack({ stats: pet.stats, target: pet.target }, '已打开分享的宠物');
  }

  // --- Dialogs and what the book says --------------------------------------------------------

  // A modal dialog: the title, the content, and a button for each [caption, answer]; resolves
  // with the answer chosen, or 'cancel' when it is closed with Escape.
  function ask(heading, content, answers) {
    const form = element('form', { method: 'dialog' },
      element('h2', { class: 'title', id: 'book-dialog-title', text: heading }),
      element('div', { class: 'body book-dialog-body' }, ...content),
      element('div', { class: 'buttons' }, ...answers.map(([caption, value]) => element('button', { value, text: caption }))));
    dialog.replaceChildren(form);
    const returnTo = document.activeElement;
    return new Promise((resolve) => {
      dialog.returnValue = 'cancel';
      dialog.addEventListener('close', () => {
        if (returnTo && returnTo.focus) returnTo.focus();
        resolve(dialog.returnValue || 'cancel');
      }, { once: true });
      dialog.showModal();
      form.querySelector('.buttons button').focus();
    });
  }

  function say(what, undoable = false) {
    noticeText.textContent = '';
    // A moment later, so that a screen reader hears it even when the same words come again.
    setTimeout(() => { noticeText.textContent = what; }, 50);
    undoButton.hidden = !undoable;
    if (!undoable) undo = null;
  }

  function alarm(kind, what, reload = false) {
    let shownAlert = alerts.querySelector(`[data-kind="${kind}"]`);
    if (!shownAlert) {
      shownAlert = element('div', { class: 'book-alert', role: 'alert', 'data-kind': kind });
      alerts.append(shownAlert);
    }
    shownAlert.replaceChildren(element('span', { text: what }));
    if (reload) {
      const again = button('重新载入', { class: 'book-reload' });
      again.addEventListener('click', () => location.reload());
      shownAlert.append(again);
    }
  }
  function clearAlert(kind) {
    const shownAlert = alerts.querySelector(`[data-kind="${kind}"]`);
    if (shownAlert) shownAlert.remove();
  }

  // --- Start -------------------------------------------------------------------------------

  function wire() {
    switchBox.checked = keeping;
    switchBox.addEventListener('change', () => {
      keeping = switchBox.checked;
      storeSetting('keeping', keeping);
      say(keeping ? '每次计算后都会记下这只宠物' : '不再记录计算');
    });
    // The filter on committed text: not while an input method composes.
    filter.addEventListener('input', (event) => {
      if (event.isComposing) return;
      filterText = filter.value;
      viewport.scrollTop = 0;
      draw();
    });
    filter.addEventListener('compositionend', () => { filterText = filter.value; draw(); });
    compareButton.addEventListener('click', compare);
    exportButton.addEventListener('click', exportBook);
    importButton.addEventListener('click', () => fileInput.click());
    fileInput.addEventListener('change', () => {
      const [file] = fileInput.files;
      fileInput.value = '';
      if (file) importFile(file);
    });
    clearButton.addEventListener('click', async () => {
      const answer = await ask('清空', [element('p', { text: `要删除全部 ${rows.size} 条记录吗？之后可以撤销。` })],
                               [['全部删除', 'ok'], ['取消', 'cancel']]);
      if (answer === 'ok') remove([], true);
    });
    undoButton.addEventListener('click', takeBack);
    let drawn = layout();
    addEventListener('resize', () => {
      if (layout() !== drawn) {
        drawn = layout();
        draw();
      }
    });
    if (channel) channel.onmessage = (event) => absorbStored(event.data.ids);
  }

  const nextTask = () => new Promise((resolve) => setTimeout(resolve));

  async function start(read) {
    if (read.database) {
      db = read.database;
      writable = true;
      db.onversionchange = () => stopWriting('older');
      keeping = read.on !== false;
      if (read.stored.ids.length) unread = read;
    } else if (read.error && read.error.name === 'VersionError') {
      stopWriting('newer');
    } else {
      alarm('storage', '这个浏览器不能保存宠物记录（可能是无痕窗口或存储已关闭）。本次打开期间的记录仍会列出，计算器照常可用。');
    }
    if (unread) {
      await needModule();
      if (unread) takeUnread();  // the module came before what the database held
    }
    // The book reaches the screen in steps, none long enough to hold up what the player does;
    // never without its style, nor its list without its roles.
    await styled;
    await nextTask();
    drawHead();
    document.querySelector('footer').after(section, dialog);
    if (titleWanted) title.focus();
    wire();
    await nextTask();
    draw();
    page.book.finished = keep;
    page.book.waiting.splice(0).forEach(keep);
    document.documentElement.dataset.book = 'ready';
    performance.mark('petcalc-book-shown');
    if (module) setTimeout(() => call('index'));
    if (read.stored) writeSnapshot(read).catch(() => {});
    await openShared();
  }

  const style = element('link', { rel: 'stylesheet', href: '@BOOKSTYLE@' });
  const styled = new Promise((resolve) => { style.onload = style.onerror = resolve; });
  document.head.append(style);
  // The database opened first: the hint's read then holds nothing up.
  const reading = 'indexedDB' in window ? readStored() : Promise.reject(new Error('none'));
  if (holdsRecords()) needModule().catch(() => {});
  reading
    .catch((error) => ({ error }))
    .then(start)
    .catch(() => { document.documentElement.dataset.book = 'failed'; });
});
