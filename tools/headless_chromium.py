"""Headless Chromium as the page's tests, benchmarks and screenshots start it: Debian's Chromium
and ChromeDriver, a profile of its own, and none of the browser's own traffic (its connections
would be refused here, and would be requests to another origin)."""

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

FLAGS = ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync")


def start(profile, *arguments, logged=False, eager=False):
    """Chromium with the profile folder `profile` and the further command-line `arguments`; its
    console and network logged if `logged`; back from opening a page once the page is read, not
    once all it names has come, if `eager`."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in (*FLAGS, f"--user-data-dir={profile}", *arguments):
        options.add_argument(argument)
    if logged:
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    if eager:
        options.page_load_strategy = "eager"
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def emulate(driver, width, height, scale, mobile=False, touch=False):
    """A screen of `width` x `height` CSS pixels at `scale` device pixels each, a phone's if
    `mobile`, its primary pointer coarse if `touch`."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})
    if touch:
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                               {"enabled": True, "maxTouchPoints": 5})
