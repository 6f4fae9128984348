#!/usr/bin/python3
"""The site as static hosts serve it, in a browser (PETCALC_ENGINE names its engine): a new build
deployed over an old one reaches a returning player who opens the page afresh, under
Cache-Control: max-age=600 and under a month-old Last-Modified alike, while another app's cache on
the origin survives; offline, the page opens at ./, ./index.html and the manifest's start_url;
and a page whose loader or module is missing or corrupt says so in words, with a retry, its
buttons busy.

Usage: site_test.py <build-web folder> <source folder>
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

from browsers import (ENGINE, RESOURCES, SITE, STAGE, STATIC, TOOLS, TYPICAL, TYPICAL_SHOWN, Browser,
                      Server)

MONTH = 30 * 24 * 3600
START_URL = json.loads((STATIC / "manifest.webmanifest").read_text(encoding="utf-8"))["start_url"]

# Every cache of the origin, by name.
CACHES = "return caches.keys();"


def loader(site):
    return next(site.glob("petcalc.*.js")).name


def module(site):
    return next(site.glob("petcalc.*.wasm")).name


class SiteTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = Path(tempfile.mkdtemp(prefix="petcalc-site-"))
        cls.first = cls.work / "first"
        shutil.copytree(SITE, cls.first)
        # A later build: the same page, its loader changed, built as the build builds a site.
        stage = cls.work / "stage"
        shutil.copytree(STAGE, stage)
        with open(stage / "petcalc.js", "a", encoding="utf-8") as script:
            script.write("\n// A later build.\n")
        cls.second = cls.work / "second"
        subprocess.run([TOOLS / "web_site.py", stage, STATIC, RESOURCES, cls.second], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    deployed = 0  # when the last build was deployed, as its files' times say

    def start(self, **options):
        browser = Browser(**options)
        self.addCleanup(browser.close)
        return browser

    def serve(self, folder, **options):
        server = Server(folder, **options)
        self.addCleanup(server.stop)
        return server

    def deploy(self, build, served, month_old):
        """`build` over what `served` held, as a host's upload would put it."""
        # A month old, and later than the last build's by whole seconds, as a Last-Modified counts
        # them: a build deployed within the second of the last is "not modified" to a browser.
        when = max(time.time() - MONTH, self.deployed + 2)
        self.deployed = when
        for old in served.iterdir():
            old.unlink()
        for new in build.iterdir():
            shutil.copy(new, served / new.name)
            if month_old:
                os.utime(served / new.name, (when, when))

    def open_afresh(self, browser, url):
        """The page opened in a new tab, as a returning player opens it. In WebKitGTK, once more
        where the worker being replaced by the new build's failed the load, as a player would
        reload: WebKit ends the fetches of a worker it stops (WebKit bug 275613, mended there for
        some navigations only), and the tab shows "Service Worker context closed", or the page
        its words that the calculator did not load."""
        try:
            browser.open(url)
        except AssertionError:
            if ENGINE != "webkit" or not browser.js(
                    "return document.body.innerText.includes('Service Worker context closed')"
                    " || document.getElementById('failure')?.hidden === false"):
                raise
            print("site test: the load failed as the worker was replaced; opened again", file=sys.stderr)
            browser.open(url)

    def wait_for_the_worker(self, browser, build):
        """Until the worker of `build` controls the page, active, with its cache of all its files
        the site's only one."""
        version = re.search(r"const CACHE = `\$\{PREFIX\}(\w+)`", (build / "sw.js").read_text())[1]
        browser.wait_for("return navigator.serviceWorker.controller !== null", "the worker", 20)
        browser.wait_for(f"return caches.keys().then((names) => names.filter("
                         f"(name) => name.startsWith('petcalc ')).join() === "
                         f"`petcalc ${{location.origin}}/ {version}`)", f"the cache of {build.name}",
                         20)

    def test_a_new_build_reaches_a_returning_player_and_no_other_cache_goes(self):
        for headers, month_old in (({"Cache-Control": "max-age=600"}, False), ({}, True)):
            with self.subTest(headers=headers or "a month-old Last-Modified"):
                served = self.work / f"served-{month_old}"
                served.mkdir()
                self.deploy(self.first, served, month_old)
                server = self.serve(served, headers=headers)
                browser = self.start()
                browser.open(server.url)
                browser.js("return caches.open('another app v1')"
                           ".then((c) => c.put('data', new Response('kept')));")
                self.wait_for_the_worker(browser, self.first)

                self.deploy(self.second, served, month_old)
                ran = []
                for _ in range(2):  # a returning player opens the page afresh, twice
                    self.open_afresh(browser, server.url)
                    ran.append(browser.js("return document.querySelector('script[src]').src"
                                          ".split('/').pop()"))
                self.assertEqual(ran[-1], loader(self.second), f"the builds run: {ran}")
                self.wait_for_the_worker(browser, self.second)
                kept = browser.js(CACHES)
                self.assertIn("another app v1", kept)

    def test_offline_the_page_opens_wherever_a_player_starts_it(self):
        server = self.serve(self.first)
        browser = self.start()
        browser.open(server.url)
        self.wait_for_the_worker(browser, self.first)
        server.stop()
        for where in ("", "index.html", START_URL.removeprefix("./")):
            with self.subTest(where=where or "./"):
                browser.open(server.url + where)
                browser.put(TYPICAL["stats"])
                browser.element("Command1").click()
                browser.wait_until_idle()
                self.assertEqual(browser.element("Text26").get_attribute("value"),
                                 TYPICAL_SHOWN["Text26"])
        # Anything else the worker cannot fetch is an error response, promptly.
        self.assertEqual(browser.js("return fetch('nothing.png').then(() => 'answered', (e) => e.name);"),
                         "TypeError")

    def test_a_page_that_cannot_start_says_so_and_keeps_its_buttons_busy(self):
        broken = {
            "the loader missing": lambda site: (site / loader(site)).unlink(),
            "the module missing": lambda site: (site / module(site)).unlink(),
            "the module corrupt": lambda site: (site / module(site)).write_bytes(
                b"\0asm\1\0\0\0" + b"\xff" * 4096),
        }
        for what, spoil in broken.items():
            with self.subTest(what=what):
                site = self.work / what.replace(" ", "-")
                shutil.copytree(self.first, site)
                spoil(site)
                browser = self.start(eager=True)
                browser.navigate(self.serve(site).url)
                browser.wait_for("return !document.getElementById('failure').hidden",
                                 "the failure said")
                failure = browser.element("failure")
                self.assertTrue(failure.is_displayed())
                self.assertEqual(failure.get_attribute("role"), "alert")
                self.assertIn("计算器未能载入", failure.text)
                self.assertTrue(browser.element("retry").is_displayed())
                self.assertFalse(browser.element("loading").is_displayed())
                for button in ("Command1", "Command2"):
                    self.assertEqual(browser.element(button).get_attribute("aria-disabled"),
                                     "true")

    def test_without_its_logo_the_page_still_starts(self):
        # The calculator is asked for once the logo is painted; a logo that never comes is not.
        site = self.work / "no-logo"
        shutil.copytree(self.first, site)
        for logo in site.glob("logo*"):
            logo.unlink()
        browser = self.start()
        browser.open(self.serve(site).url)
        self.assertEqual(browser.js("return document.getElementById('Image1').naturalWidth"), 0)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
