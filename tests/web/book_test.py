#!/usr/bin/python3
"""The page's book of pets in a browser (PETCALC_ENGINE), served from 127.0.0.1 by the test itself: what a
finished click keeps and what outlives the browser; two tabs; export, import and the shared
corpus; a failing storage and a newer page's storage; the share link; deleting, putting back and
their undos; comparing, the timeline, sorting and filtering; the book for a finger; axe-core.

Usage: book_test.py <build-web folder> <source folder>
"""

import base64
import json
import shutil
import sys
import tempfile
import time
import unittest
from pathlib import Path

from selenium.common.exceptions import ElementNotInteractableException, StaleElementReferenceException
from selenium.webdriver.common.by import By

from browsers import ENTER, SOURCE, TYPICAL, TYPICAL_SHOWN, Browser, EngineTest, Server, needs

CORPUS = SOURCE / "tests" / "book" / "corpus"
STATS = dict(TYPICAL["stats"])
LATER = {**STATS, "Text7": "21", "Text8": "99", "Text9": "81", "Text10": "90", "Text11": "51",
         "Text12": "50"}
OTHER = {**STATS, "Text2": "40", "Text3": "20", "Text4": "20", "Text5": "20", "Text6": "20",
         "Text7": "5", "Text8": "48", "Text9": "30", "Text10": "22", "Text11": "26", "Text12": "28"}

# The page's database, by the name the page gives it (a JavaScript expression).
DATABASE = "`petcalc book ${new URL('./', location.href).pathname}`"

ROWS = """return [...document.querySelectorAll('#book-viewport .book-row')]
  .sort((a, b) => a.getBoundingClientRect().top - b.getBoundingClientRect().top)
  .map((row) => [...row.children].map((cell) => cell.textContent));"""


def entries(book_file):
    """A book file's entries, every line after its header (which names the program that wrote it)."""
    return book_file.split("\n", 1)[1]


def verdicts():
    """Each corpus file's verdict, as verdicts.txt writes it."""
    lines = (CORPUS / "verdicts.txt").read_text(encoding="utf-8").splitlines()
    return dict(line.split(": ", 1) for line in lines if line and not line.startswith("#"))


class BookTest(EngineTest):
    @classmethod
    def setUpClass(cls):
        cls.server = Server()

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def open(self, browser, url=None):
        browser.open(url or self.server.url)
        browser.wait_for("return document.documentElement.dataset.book === 'ready'", "the book")

    def weigh(self, browser, stats, button="Command1", target=None):
        browser.put(stats.items())
        if target is not None:
            browser.put([["Text41", target]])
        browser.element(button).click()
        browser.wait_until_idle()
        browser.wait_for("return document.querySelectorAll('#book-viewport .book-row').length > 0",
                         "a row")
        browser.wait_frames()

    def rows(self, browser):
        browser.wait_frames()
        return browser.js(ROWS)

    def row_with(self, browser, text):
        """The row of the book one of whose cells says `text`."""
        return browser.js("""return [...document.querySelectorAll('#book-viewport .book-row')]
          .find((row) => [...row.children].some((cell) => cell.textContent === arguments[0]));""",
                          text)

    def click_row(self, browser, text):
        """A click on the row that says `text`."""
        self.click_found(browser, lambda: self.row_with(browser, text), f"the row {text}")

    def click_found(self, browser, find, what):
        """A click on what `find` gives, found again on the next frames where the book drew its
        rows anew first (a write landing, another tab's change): a row drawn anew is gone, or, in
        WebKit, not yet where the driver looks for it."""
        for _ in range(3):
            try:
                return find().click()
            except (StaleElementReferenceException, ElementNotInteractableException):
                browser.wait_frames()
        raise AssertionError(f"{what} kept being drawn anew")

    def pick(self, browser, count):
        """The first `count` rows picked for a comparison."""
        for i in range(count):
            self.click_found(browser, lambda: browser.element("book-viewport").find_elements(
                By.CSS_SELECTOR, ".book-pick")[i], f"the pick of row {i + 1}")

    def stored(self, browser):
        """The ids of the entries in the page's database, once every write has ended."""
        return list(self.stored_entries(browser))

    def stored_entries(self, browser):
        """The page's database entries, id to bytes in hex, once every write begun has ended."""
        return dict(browser.js_async("""
          const done = arguments[arguments.length - 1];
          const opening = indexedDB.open(""" + DATABASE + """);
          opening.onsuccess = () => {
            const entries = opening.result.transaction('entries').objectStore('entries');
            const keys = entries.getAllKeys(), values = entries.getAll();
            values.onsuccess = () => {
              opening.result.close();
              done(keys.result.map((key, i) => [key, Array.from(values.result[i],
                (byte) => byte.toString(16).padStart(2, '0')).join('')]));
            };
          };"""))

    def wait_stored_change(self, browser, before, what):
        deadline = time.monotonic() + 10
        while self.stored_entries(browser) == before:
            if time.monotonic() > deadline:
                raise AssertionError(f"{what} never stored")
            time.sleep(0.05)

    def select_first(self, browser):
        self.click_found(browser, lambda: browser.element("book-viewport").find_element(
            By.CSS_SELECTOR, ".book-row"), "the first row")
        browser.wait_for("return !document.getElementById('book-detail').hidden", "the record")

    def import_file(self, browser, name, content):
        browser.js("""const bytes = Uint8Array.from(atob(arguments[1]), (c) => c.charCodeAt(0));
                      const files = new DataTransfer();
                      files.items.add(new File([bytes], arguments[0]));
                      const input = document.getElementById('book-file');
                      input.files = files.files;
                      input.dispatchEvent(new Event('change'));""",
                   name, base64.b64encode(content).decode())
        browser.wait_for("return document.getElementById('book-dialog').open", "the preview")
        return browser.js("return document.getElementById('book-dialog').innerText")

    def answer(self, browser, value):
        browser.element("book-dialog").find_element(By.CSS_SELECTOR, f"button[value={value}]").click()
        browser.wait_for("return !document.getElementById('book-dialog').open", "the dialog closing")

    @needs("lasting storage")
    def test_a_finished_click_is_kept_and_outlives_closing_the_browser(self):
        profile = tempfile.mkdtemp(prefix="petcalc-profile-")
        self.addCleanup(shutil.rmtree, profile, True)
        browser = Browser(profile=profile)
        try:
            self.open(browser)
            self.weigh(browser, STATS)
            growth = [TYPICAL_SHOWN[name] for name in ("Text14", "Text15", "Text16", "Text17",
                                                       "Text18", "Text25", "Text26")]
            self.assertEqual(self.rows(browser)[0][2:11], ["未命名", "1→11", *growth])
            self.weigh(browser, STATS, "Command2", "21")
            self.assertEqual(len(self.rows(browser)), 1, "a prediction goes to the same record")
            self.assertEqual(self.rows(browser)[0][11], "21")
            browser.put([["Text7", "1"]])
            browser.element("Command1").click()
            browser.wait_for("return document.getElementById('message').open", "the refusal")
            browser.element("message").find_element(By.CSS_SELECTOR, "button").click()
            browser.wait_until_idle()
            self.assertEqual(len(self.rows(browser)), 1, "a refused click keeps nothing")
            self.assertEqual(len(self.stored(browser)), 1)
        finally:
            browser.close()
        again = self.start(profile=profile)
        self.open(again)
        self.assertEqual(set(again.values().values()), {""}, "a new window starts empty")
        self.assertEqual(self.rows(again)[0][2:4], ["未命名", "1→11"])

    def test_the_switch_stops_keeping_records(self):
        browser = self.start()
        self.open(browser)
        browser.element("book-keeping").click()
        self.weigh_without_row(browser, STATS)
        self.assertEqual(self.rows(browser), [])
        browser.reload()
        browser.wait_for("return document.documentElement.dataset.book === 'ready'", "the book")
        self.assertFalse(browser.element("book-keeping").is_selected(), "the switch is kept")

    def test_a_book_module_that_cannot_load_is_said_and_the_calculator_works(self):
        browser = self.start()
        self.open(browser)
        # The book's loader asked for under a name the site does not have.
        browser.js("""const set = Element.prototype.setAttribute;
                      Element.prototype.setAttribute = function (name, value) {
                        const broken = name === 'src' && String(value).startsWith('petbook.');
                        return set.call(this, name, broken ? 'missing.js' : value);
                      };""")
        self.weigh_without_row(browser, STATS)
        browser.wait_for("return document.querySelector('#book-alerts [data-kind=module]') !== null",
                         "the words that the click was not kept")
        self.assertEqual(browser.values(["Text26"])["Text26"], TYPICAL_SHOWN["Text26"])
        self.assertEqual(self.rows(browser), [])
        browser.collect()
        browser.console = [said for said in browser.console if "missing.js" not in said]

    def weigh_without_row(self, browser, stats):
        browser.put(stats.items())
        browser.element("Command1").click()
        browser.wait_until_idle()

    def test_a_start_reads_the_snapshot_with_later_changes_over_it_and_passes_a_bad_one_over(self):
        browser = self.start()
        self.open(browser)
        self.weigh(browser, STATS)
        # The first name is stored after the snapshot the start wrote, the second after the
        # snapshot of the start that read the first.
        for name in ("小白", "大白"):
            self.select_first(browser)
            before = self.stored_entries(browser)
            browser.js("""const field = document.getElementById('book-name');
                          field.value = arguments[0];
                          field.dispatchEvent(new Event('change'));""", name)
            self.wait_stored_change(browser, before, name)
            browser.reload()
            browser.wait_for("return document.documentElement.dataset.book === 'ready'", "the book")
            self.assertEqual([row[2] for row in self.rows(browser)], [name])
        self.weigh(browser, OTHER)
        for snapshot in ("'not a snapshot'",
                         "{ ids: 'r', lengths: new Int32Array([4]), bytes: new Uint8Array(2) }"):
            browser.js_async("""
              const done = arguments[arguments.length - 1];
              const opening = indexedDB.open(""" + DATABASE + """);
              opening.onsuccess = () => {
                const transaction = opening.result.transaction(['meta', 'recent'], 'readwrite');
                transaction.objectStore('meta').put(""" + snapshot + """, 'snapshot');
                transaction.objectStore('recent').clear();
                transaction.oncomplete = () => { opening.result.close(); done(); };
              };""")
            browser.reload()
            browser.wait_for("return document.documentElement.dataset.book === 'ready'", "the book")
            self.assertEqual(sorted(row[2] for row in self.rows(browser)), ["大白", "未命名"])

    def test_two_tabs_see_each_others_changes_and_a_deletion_beats_an_edit_made_without_seeing_it(self):
        browser = self.start()
        self.open(browser)
        first = browser.tab
        browser.new_tab(close_this=False)
        self.open(browser, self.server.url)
        second = browser.tab
        browser.switch(first)
        self.weigh(browser, STATS)
        browser.switch(second)
        browser.wait_for("return document.querySelectorAll('#book-viewport .book-row').length === 1",
                         "the first tab's record in the second")
        # The second tab deletes it without telling the first, which edits it as if it were there.
        browser.js("BroadcastChannel.prototype.postMessage = () => {};")
        self.select_first(browser)
        before = self.stored_entries(browser)
        browser.element("book-delete").click()
        # Stored before the first tab's edit, as the case supposes: a tab stores a change a timer later.
        self.wait_stored_change(browser, before, "the deletion")
        browser.switch(first)
        self.assertEqual(len(self.rows(browser)), 1, "not told")
        self.select_first(browser)
        browser.element("book-note").send_keys("没看到删除")
        browser.element("book-name").click()
        browser.wait_for("return document.querySelectorAll('#book-viewport .book-row').length === 0",
                         "the deletion, found when the edit was stored")
        browser.reload()
        browser.wait_for("return document.documentElement.dataset.book === 'ready'", "the book")
        self.assertEqual(self.rows(browser), [])

    def test_export_then_import_after_clearing_brings_the_records_back_only_when_asked(self):
        browser = self.start()
        self.open(browser)
        self.weigh(browser, STATS)
        self.weigh(browser, OTHER)
        exported = self.export(browser, "json")
        self.assertTrue(exported.startswith('{"format":"petcalc-book","version":1'))
        browser.element("book-clear").click()
        self.answer(browser, "ok")
        self.assertEqual(self.rows(browser), [])
        # The notice is written a moment late, for screen readers to hear it.
        browser.wait_for("return document.getElementById('book-notice').textContent"
                         ".includes('已删除 2 条记录')", "the notice of the deletion")
        preview = self.import_file(browser, "book.json", exported.encode())
        self.assertIn("新记录 0 条", preview)
        self.assertIn("以下 2 条记录已在这里删除", preview)
        self.answer(browser, "ok")
        self.assertEqual(self.rows(browser), [], "left deleted")
        self.import_file(browser, "book.json", exported.encode())
        for box in browser.element("book-dialog").find_elements(By.CSS_SELECTOR, "input[type=checkbox]"):
            box.click()
        self.answer(browser, "ok")
        self.assertEqual(len(self.rows(browser)), 2, "brought back")
        csv = self.export(browser, "csv")
        self.assertTrue(csv.startswith("\ufeff编号,宠物,名字,备注,置顶"))
        preview = self.import_file(browser, "book.csv", csv.encode())
        self.assertIn("新记录 0 条，已有 2 条", preview, "importing twice is importing once")
        self.answer(browser, "cancel")

    def export(self, browser, kind):
        """What the export writes, caught as the page hands it to the browser to download."""
        browser.js("""window.exported = null;
                      const made = URL.createObjectURL.bind(URL);
                      URL.createObjectURL = (blob) => {
                        blob.arrayBuffer().then((bytes) => {
                          window.exported = new TextDecoder('utf-8', { ignoreBOM: true }).decode(bytes);
                        });
                        return made(blob);
                      };""")
        browser.element("book-export").click()
        self.answer(browser, kind)
        browser.wait_for("return window.exported !== null", "the export")
        return browser.js("return window.exported")

    def test_every_file_of_the_corpus_imports_as_its_verdict_says(self):
        browser = self.start()
        self.open(browser)
        for name, verdict in verdicts().items():
            with self.subTest(file=name):
                preview = self.import_file(browser, name, (CORPUS / name).read_bytes())
                if verdict.startswith("refused: "):
                    self.assertIn(verdict[len("refused: "):], preview)
                    self.answer(browser, "ok")
                    continue
                records = int(verdict.split(" records")[0])
                problems = verdict.count("; ")
                self.assertIn(f"新记录 {records} 条", preview)
                if problems:
                    self.assertIn(f"有 {problems} 行无法读取", preview)
                self.answer(browser, "cancel")

    def test_a_book_file_from_elsewhere_moves_in_and_out_record_for_record(self):
        browser = self.start()
        self.open(browser)
        moved = (CORPUS / "good-book.json").read_text(encoding="utf-8")
        self.import_file(browser, "宠物记录.json", moved.encode())
        self.answer(browser, "ok")
        self.assertEqual(entries(self.export(browser, "json")), entries(moved))

    def test_a_gb18030_spreadsheet_with_formulas_and_lines_imports_as_it_was(self):
        browser = self.start()
        self.open(browser)
        self.import_file(browser, "表格.csv", (CORPUS / "good-book-gb18030.csv").read_bytes())
        self.answer(browser, "ok")
        names = sorted(row[2] for row in self.rows(browser))
        self.assertEqual(names, sorted(["小白", "小白", "=SUM(A1)"]))
        formula = next(row for row in browser.js(ROWS) if row[2] == "=SUM(A1)")
        self.click_row(browser, "=SUM(A1)")
        self.assertEqual(browser.element("book-note").get_attribute("value"), "两行\n备注")
        self.assertEqual(formula[3], "1→5")

    def test_a_failing_storage_is_said_and_the_calculator_works(self):
        browser = self.start()
        self.open(browser)
        # A full quota, as the browser's storage says it: every write throws and its transaction
        # ends undone.
        browser.js("""IDBObjectStore.prototype.put = function () {
                        throw new DOMException('the quota is full', 'QuotaExceededError');
                      };""")
        self.weigh(browser, STATS)
        browser.wait_for("return document.querySelector('#book-alerts [role=alert]') !== null",
                         "the failure said")
        self.assertIn("未能保存（存储空间已满）", browser.element("book-alerts").text)
        self.assertEqual(browser.element("Text26").get_attribute("value"), TYPICAL_SHOWN["Text26"])
        self.assertEqual(self.stored(browser), [], "nothing written, nothing lost")

    def test_a_newer_pages_storage_stops_this_page_writing(self):
        browser = self.start()
        self.open(browser)
        browser.js_async("""
          const done = arguments[arguments.length - 1];
          const opening = indexedDB.open(""" + DATABASE + """, 3);
          opening.onsuccess = () => { opening.result.close(); done(); };""")
        browser.wait_for("return document.querySelector('#book-alerts [data-kind=version]') !== null",
                         "the page told to reload")
        self.assertIn("重新载入", browser.element("book-alerts").text)

    def test_a_shared_link_fills_the_window_and_keeps_nothing_until_the_player_clicks(self):
        browser = self.start()
        self.open(browser)
        self.weigh(browser, STATS, "Command2", "21")
        self.select_first(browser)
        browser.js("""window.shared = null;
                      navigator.share = (data) => { window.shared = data; return Promise.resolve(); };""")
        browser.element("book-share").click()
        browser.wait_for("return window.shared !== null", "the share sheet")
        shared = browser.js("return window.shared")
        self.assertTrue(shared["url"].endswith("#pet1=1,50,20,30,10,10,11,75,50,60,30,30;21"))
        self.assertIn("预测等级 21", shared["text"])

        friend = self.start()
        self.open(friend, shared["url"])
        friend.wait_for("return document.getElementById('Text46').value !== ''", "the shared pet")
        self.assertEqual(friend.element("Text26").get_attribute("value"), TYPICAL_SHOWN["Text26"])
        self.assertEqual(friend.element("Text42").get_attribute("value"), "100")
        self.assertNotIn("#", friend.url)
        self.assertEqual(self.rows(friend), [], "a friend's pet is not kept unasked")
        friend.element("Command1").click()
        friend.wait_until_idle()
        friend.wait_for("return document.querySelectorAll('#book-viewport .book-row').length === 1",
                        "kept once clicked")

    def test_a_deletion_is_said_with_its_undo_which_brings_the_record_back_in_place(self):
        browser = self.start()
        self.open(browser)
        self.weigh(browser, STATS)
        self.weigh(browser, OTHER)
        before = self.rows(browser)
        self.select_first(browser)
        browser.element("book-delete").click()
        self.assertEqual(len(self.rows(browser)), 1)
        browser.wait_for("return document.getElementById('book-notice').textContent.includes('已删除 1 条记录')",
                         "the deletion said")
        self.assertTrue(browser.element("book-undo").is_displayed())
        browser.element("book-undo").click()
        self.assertEqual(self.rows(browser), before)
        self.assertEqual(len(self.stored(browser)), 2)

    def test_putting_a_record_back_runs_its_clicks_and_an_undo_brings_the_window_back(self):
        browser = self.start()
        self.open(browser)
        self.weigh(browser, STATS, "Command2", "21")
        self.weigh_without_row(browser, OTHER)
        other_window = browser.values()
        self.click_row(browser, "1→11")
        browser.element("book-put-back").click()
        browser.wait_for("return document.getElementById('Text46').value === '50'", "the record's window")
        self.assertEqual(browser.element("Text26").get_attribute("value"), TYPICAL_SHOWN["Text26"])
        self.assertEqual(len(self.rows(browser)), 2, "putting back keeps nothing new")
        browser.element("book-undo").click()
        self.assertEqual(browser.values(), other_window)

    def test_compare_timeline_sort_and_filter(self):
        browser = self.start()
        self.open(browser)
        self.weigh(browser, STATS)
        self.weigh(browser, LATER)
        self.weigh(browser, OTHER)
        self.pick(browser, 2)
        browser.element("book-compare").click()
        compared = browser.element("book-compared").text
        self.assertIn("比较 2 条记录", compared)
        self.assertIn("体力成长率", compared)

        self.click_row(browser, "1→21")
        before = self.stored_entries(browser)
        browser.element("book-name").send_keys("小白" + ENTER)
        browser.wait_for("return [...document.querySelectorAll('#book-viewport .book-name')]"
                         ".filter((c) => c.textContent === '小白').length === 2", "the pet named")
        # Stored, and the rows drawn again after it, before the next row is clicked where they stood.
        self.wait_stored_change(browser, before, "the name")
        browser.wait_frames()
        levels = browser.js("return [...document.querySelectorAll('#book-timeline tr th[scope=row]')]"
                            ".map((th) => th.textContent)")
        self.assertEqual(levels, ["1→11", "1→21"], "the pet's records in level order")
        # Read in the page in one go: the stored rename may draw the record's timeline anew.
        browser.wait_for("return document.querySelectorAll('#book-timeline polyline').length === 5",
                         "a line for each growth")

        self.click_row(browser, "1→5")
        browser.wait_for("return document.querySelector('#book-detail h3').textContent.endsWith('1→5')",
                         "the record chosen")
        browser.element("book-name").send_keys("阿黄" + ENTER)
        browser.element("book-filter").send_keys("小白")
        self.assertEqual([row[2] for row in self.rows(browser)], ["小白", "小白"])
        browser.element("book-filter").clear()
        browser.js("document.getElementById('book-filter').dispatchEvent(new Event('input'))")
        browser.element("book-list").find_element(By.CSS_SELECTOR, "[data-key=name]").click()
        # In pinyin order, a before xiao, whatever their characters' codes.
        self.assertEqual([row[2] for row in self.rows(browser)], ["阿黄", "小白", "小白"])

    def test_the_keyboard_walks_the_rows_and_deletes(self):
        browser = self.start()
        self.open(browser)
        self.weigh(browser, STATS)
        self.weigh(browser, OTHER)
        first, second = [row[2:4] for row in self.rows(browser)]
        self.select_first(browser)
        browser.press("ArrowDown")
        self.assertEqual(browser.js("return document.activeElement.getAttribute('aria-rowindex')"), "3")
        self.assertEqual(browser.element("book-detail").find_element(By.TAG_NAME, "h3").text.split("：")[1],
                         "等级 " + second[1])
        browser.press("Delete")
        self.assertEqual([row[2:4] for row in self.rows(browser)], [first])

    def test_a_long_book_draws_only_the_rows_in_view(self):
        browser = self.start()
        self.open(browser)
        records = ",\n".join(
            json.dumps({"id": f"r{i}", "pet": f"p{i}", "made": "2026-12-08T00:00:00Z",
                        "changed": "2026-12-08T00:00:00Z", "initial": [1, 50, 20, 30, 10, 10],
                        "current": [11, 75 + i, 50, 60, 30, 30]}, separators=(",", ":"))
            for i in range(2000))
        book = ('{"format":"petcalc-book","version":1,"program":"1.00","records":[' + records +
                '],"deleted":[]}')
        self.assertIn("新记录 2000 条", self.import_file(browser, "long.json", book.encode()))
        self.answer(browser, "ok")
        # The merged book is drawn on the next frame, which a slower engine reaches later.
        browser.wait_for("return document.getElementById('book-list')"
                         ".getAttribute('aria-rowcount') === '2001'", "the records listed")
        drawn = browser.js("return document.querySelectorAll('#book-viewport .book-row').length")
        self.assertLess(drawn, 40)
        browser.js("document.getElementById('book-viewport').scrollTop = 30 * 1500")
        browser.wait_for("return [...document.querySelectorAll('#book-viewport .book-row')]"
                         ".some((r) => r.getAttribute('aria-rowindex') === '1502')", "rows far down")

    def test_the_book_for_a_finger_fits_a_small_phone(self):
        self.skip_where_not_shown("small-phone")
        browser = self.start("small-phone")
        self.open(browser)
        self.weigh(browser, STATS)
        self.select_first(browser)
        width = browser.js("return document.documentElement.clientWidth")
        self.assertLessEqual(browser.js("return document.documentElement.scrollWidth"), width)
        self.assertEqual(browser.element("book-list").get_attribute("role"), "list")
        small = browser.js("""return [...document.querySelectorAll('#book button, #book input')]
          .filter((e) => e.offsetParent !== null && e.type !== 'file')
          .map((e) => [e.id || e.className || e.textContent, e.getBoundingClientRect()])
          .filter(([, r]) => r.width < 44 || r.height < 44).map(([name]) => name);""")
        self.assertEqual(small, [], "targets under 44 × 44")
        browser.screenshot(Path(sys.argv[1]) / "test-data" / "book-phone.png")

    def test_axe_finds_nothing_with_the_book_shown_in_either_scheme_or_layout(self):
        for layout, dark in (("form", False), ("form", True), ("phone", False), ("phone", True)):
            with self.subTest(layout=layout, dark=dark):
                self.skip_where_not_shown(layout)
                browser = self.start(layout, dark=dark)
                self.open(browser)
                self.weigh(browser, STATS, "Command2", "21")
                self.weigh(browser, LATER)
                self.select_first(browser)
                self.pick(browser, 2)
                browser.element("book-compare").click()
                self.assertEqual(browser.axe(), [])
                if layout == "form" and not dark:
                    browser.screenshot(Path(sys.argv[1]) / "test-data" / "book.png")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
