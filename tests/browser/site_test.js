// Opens a published sample site in headless Chromium and works its index:
//   node site_test.js <site directory> <fresh profile directory> [expectations.json]
// The site is served over a loopback HTTP server, as a reader would see it.
// Without an expectations file the site is the one made from the sample
// export; a file (see guide_expectations.json) describes another site.
'use strict';

const http = require('http');
const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');

const [siteDir, profileDir, expectationsFile] = process.argv.slice(2);
if (!siteDir || !profileDir) {
  console.error('usage: node site_test.js <site directory> <profile directory>');
  process.exit(2);
}

// The sample site: node titles in index order with their pages, and what the
// steps below open, click and follow.
const SAMPLE = {
  nodes: [
    { title: 'Sample guide', page: 'sample_0.html', depth: 0 },
    { title: 'Getting started', page: 'sample_1.html', depth: 1 },
    { title: 'Installing', page: 'sample_2.html', depth: 2 },
    { title: 'Configuring', page: 'sample_3.html', depth: 2 },
    { title: 'Reference', page: 'sample_4.html', depth: 1 },
    { title: 'Details', page: 'sample_5.html', depth: 2 },
    { title: 'Edge cases', page: 'sample_6.html', depth: 3 },
  ],
  toggle: { node: 'Getting started', reveals: 'Installing' },
  click: { node: 'Configuring', page: 'sample_3.html', heading: 'h2', next: 'sample_4.html' },
  link: { node: 'Installing', page: 'sample_2.html', text: 'see details', href: 'sample_5.html#details',
    heading: 'h2', shows: 'Details' },
};
const X = expectationsFile ? JSON.parse(fs.readFileSync(expectationsFile, 'utf8')) : SAMPLE;
const EXPECTED = X.nodes;

const TYPES = { '.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript',
  '.gif': 'image/gif', '.png': 'image/png' };

function serve(root) {
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const file = path.join(root, path.normalize(name).replace(/^(\.\.[/\\])+/, ''));
    fs.readFile(file, (err, data) => {
      if (err) {
        res.writeHead(404);
        res.end();
        return;
      }
      res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
      res.end(data);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

let failures = 0;
function check(condition, what) {
  console.log((condition ? 'ok   ' : 'FAIL ') + what);
  if (!condition) failures++;
}

async function waitForMain(page, fileName) {
  const deadline = Date.now() + 10000;
  for (;;) {
    const main = page.frame({ name: 'main' });
    if (main && main.url().includes(fileName)) {
      await main.waitForLoadState('load');
      return main;
    }
    if (Date.now() > deadline) return null;
    await page.waitForTimeout(50);
  }
}

async function visibleTitles(index) {
  return index.$$eval('.dTreeNode', (nodes) => nodes
    .filter((n) => n.offsetParent !== null)
    .map((n) => n.textContent.trim()));
}

async function nodeIdOf(index, title) {
  return index.$$eval('.dTreeNode', (nodes, t) => {
    const n = nodes.find((x) => x.textContent.trim() === t);
    return n ? n.id.replace(/^d_n/, '') : null;
  }, title);
}

async function main() {
  const server = await serve(siteDir);
  const base = `http://127.0.0.1:${server.address().port}/`;
  const context = await chromium.launchPersistentContext(profileDir, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  try {
    const page = context.pages()[0] || await context.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(String(e)));
    await page.goto(base + 'index.html', { waitUntil: 'load' });

    const index = page.frame({ name: 'index' });
    check(index !== null, 'the frameset holds the index frame');
    if (!index) return;
    await index.waitForSelector('.dTreeNode');
    check(await waitForMain(page, EXPECTED[0].page) !== null, 'the main frame starts on ' + EXPECTED[0].page);

    // Every node is in the tree, in order, with its page and target.
    const nodes = await index.$$eval('.dTreeNode', (all) => all.map((n) => {
      const a = n.querySelector('a.node, a.nodeSel');
      return { title: n.textContent.trim(), href: a ? a.getAttribute('href') : null,
        target: a ? a.getAttribute('target') : null };
    }));
    check(nodes.length === EXPECTED.length, `the tree has ${EXPECTED.length} nodes (found ${nodes.length})`);
    EXPECTED.forEach((e, i) => {
      const n = nodes[i] || {};
      check(n.title === e.title && n.href === e.page && n.target === 'main',
        `node ${i} is "${e.title}" -> ${e.page} in main (found "${n.title}" -> ${n.href} in ${n.target})`);
    });

    // Closed at first: the root and its children show, deeper nodes do not.
    const shown = await visibleTitles(index);
    check(JSON.stringify(shown) === JSON.stringify(EXPECTED.filter((e) => e.depth <= 1).map((e) => e.title)),
      'initially the root and the first level show: ' + JSON.stringify(shown));

    // Every icon the tree uses decodes.
    const broken = await index.$$eval('img', (imgs) => imgs
      .filter((i) => !(i.complete && i.naturalWidth > 0)).map((i) => i.getAttribute('src')));
    check(broken.length === 0, 'every tree icon loads ' + JSON.stringify(broken));

    // Opening and closing a node.
    const started = await nodeIdOf(index, X.toggle.node);
    const join = `#d_j${started}`;
    check(/plus\.gif$/.test(await index.getAttribute(join, 'src')), 'a closed node shows plus');
    check(/folder\.gif$/.test(await index.getAttribute(`#d_i${started}`, 'src')), 'a closed node shows a folder');
    await index.click(join);
    check((await visibleTitles(index)).includes(X.toggle.reveals), `opening "${X.toggle.node}" shows "${X.toggle.reveals}"`);
    check(/minus\.gif$/.test(await index.getAttribute(join, 'src')), 'an open node shows minus');
    check(/folderopen\.gif$/.test(await index.getAttribute(`#d_i${started}`, 'src')), 'an open node shows an open folder');
    await index.click(join);
    check(!(await visibleTitles(index)).includes(X.toggle.reveals), `closing it hides "${X.toggle.reveals}" again`);
    check(/plus\.gif$/.test(await index.getAttribute(join, 'src')), 'a closed node shows plus again');

    // Open everything by clicking each closed toggle: then every node shows.
    for (;;) {
      const closed = await index.$$('a.toggle img[src$="plus.gif"], a.toggle img[src$="plusbottom.gif"]');
      const visible = [];
      for (const c of closed) if (await c.isVisible()) visible.push(c);
      if (visible.length === 0) break;
      await visible[0].click();
    }
    const all = await visibleTitles(index);
    check(JSON.stringify(all) === JSON.stringify(EXPECTED.map((e) => e.title)),
      'with every node open the whole tree shows: ' + JSON.stringify(all));

    // Clicking a node loads its page into the main frame.
    await index.click(`a.node:text-is("${X.click.node}")`);
    let mainFrame = await waitForMain(page, X.click.page);
    check(mainFrame !== null, `clicking "${X.click.node}" loads ${X.click.page} in main`);
    if (mainFrame) {
      check((await mainFrame.textContent(X.click.heading)).includes(X.click.node), 'the page shows its heading');
      check(await index.getAttribute(`#d_a${await nodeIdOf(index, X.click.node)}`, 'class') === 'nodeSel',
        'the clicked node is marked selected');

      // Previous and Next.
      await mainFrame.click('a:has(img[src="next.png"])');
      mainFrame = await waitForMain(page, X.click.next);
      check(mainFrame !== null, `Next goes from ${X.click.page} to ${X.click.next}`);
      if (mainFrame) {
        await mainFrame.click('a:has(img[src="previous.png"])');
        mainFrame = await waitForMain(page, X.click.page);
        check(mainFrame !== null, `Previous goes back to ${X.click.page}`);
      }
      const navImages = mainFrame ? await mainFrame.$$eval('img', (imgs) => imgs
        .filter((i) => /(previous|next)\.png$/.test(i.src)).map((i) => i.complete && i.naturalWidth === 48)) : [];
      check(navImages.length === 2 && navImages.every(Boolean), 'both navigation images load at 48 pixels');
    }

    // A link to an anchor on another page lands on that page.
    await index.click(`a.node:text-is("${X.link.node}")`);
    mainFrame = await waitForMain(page, X.link.page);
    check(mainFrame !== null, `clicking "${X.link.node}" loads ${X.link.page}`);
    if (mainFrame) {
      const linkSelector = `a:has-text("${X.link.text}")`;
      const href = await mainFrame.getAttribute(linkSelector, 'href');
      check(href !== null && href.startsWith(X.link.href),
        `the anchor link was redirected to ${X.link.href} (found ${href})`);
      await mainFrame.click(linkSelector);
      mainFrame = href ? await waitForMain(page, href) : null;
      check(mainFrame !== null, `following it lands on ${href}`);
      if (mainFrame) {
        check((await mainFrame.textContent(X.link.heading)).includes(X.link.shows), `which shows "${X.link.shows}"`);
      }
    }

    await page.screenshot({ path: path.join(path.dirname(path.resolve(siteDir)), 'site.png') });
    check(errors.length === 0, 'no script errors ' + JSON.stringify(errors));
  } finally {
    await context.close();
    server.close();
  }
}

main().then(() => {
  console.log(failures === 0 ? 'all checks passed' : `${failures} check(s) failed`);
  process.exit(failures === 0 ? 0 : 1);
}, (err) => {
  console.error(err);
  process.exit(1);
});
