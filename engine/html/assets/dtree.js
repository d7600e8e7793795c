/*
 * Folivane tree menu.
 *
 * Draws the collapsible index of a published site:
 *
 *   d = new dTree('d');
 *   d.add(0, -1, 'Manual', 'manual_0.html', 'Manual', 'main');
 *   d.add(1, 0, 'Chapter', 'manual_1.html', 'Chapter', 'main');
 *   document.write(d);
 *
 * add(id, pid, name, url, title, target, icon, iconOpen, open): a node with
 * id `id` under the node whose id is `pid` (-1 for the root). The last three
 * arguments are optional. The variable name given to the constructor must be
 * the global that holds the tree: the generated markup calls back through it.
 */

function dTreeNode(id, pid, name, url, title, target, icon, iconOpen, open) {
	this.id = id;
	this.pid = pid;
	this.name = name;
	this.url = url;
	this.title = title;
	this.target = target;
	this.icon = icon;
	this.iconOpen = iconOpen;
	this.isOpen = open || false;
	this.children = [];
	this.isLast = false;
	this.parent = null;
}

function dTree(objName) {
	this.obj = objName;
	this.config = {
		target: null,
		folderLinks: true,
		useSelection: true,
		useLines: true,
		useIcons: true,
		useRootIcon: true
	};
	this.icon = {
		root: 'img/base.gif',
		folder: 'img/folder.gif',
		folderOpen: 'img/folderopen.gif',
		node: 'img/page.gif',
		empty: 'img/empty.gif',
		line: 'img/line.gif',
		join: 'img/join.gif',
		joinBottom: 'img/joinbottom.gif',
		plus: 'img/plus.gif',
		plusBottom: 'img/plusbottom.gif',
		minus: 'img/minus.gif',
		minusBottom: 'img/minusbottom.gif',
		nlPlus: 'img/nolines_plus.gif',
		nlMinus: 'img/nolines_minus.gif'
	};
	this.nodes = [];
	this.selected = -1;
	this.built = false;
}

dTree.prototype.add = function (id, pid, name, url, title, target, icon, iconOpen, open) {
	this.nodes.push(new dTreeNode(id, pid, name, url, title, target, icon, iconOpen, open));
	this.built = false;
};

// Links every node to its parent and children, in the order they were added.
dTree.prototype.link = function () {
	var byId = {};
	var i, n;
	for (i = 0; i < this.nodes.length; i++) {
		n = this.nodes[i];
		n.index = i;
		n.children = [];
		n.parent = null;
		if (!(String(n.id) in byId)) byId[String(n.id)] = n;
	}
	this.roots = [];
	for (i = 0; i < this.nodes.length; i++) {
		n = this.nodes[i];
		var p = byId[String(n.pid)];
		if (p && p !== n) {
			n.parent = p;
			p.children.push(n);
		} else if (String(n.pid) === '-1' || !p) {
			this.roots.push(n);
		}
	}
	for (i = 0; i < this.nodes.length; i++) {
		n = this.nodes[i];
		if (n.children.length) n.children[n.children.length - 1].isLast = true;
	}
	if (this.roots.length) this.roots[this.roots.length - 1].isLast = true;
	this.built = true;
};

dTree.prototype.escapeAttr = function (text) {
	return String(text).replace(/&/g, '&amp;').replace(/"/g, '&quot;').replace(/</g, '&lt;');
};

dTree.prototype.nodeIcon = function (n) {
	var isRoot = n.parent === null;
	var closed = n.icon || (isRoot && this.config.useRootIcon ? this.icon.root :
		(n.children.length ? this.icon.folder : this.icon.node));
	var opened = n.iconOpen || (isRoot && this.config.useRootIcon ? this.icon.root :
		(n.children.length ? this.icon.folderOpen : this.icon.node));
	return n.isOpen ? opened : closed;
};

dTree.prototype.joinIcon = function (n) {
	if (!this.config.useLines) {
		if (!n.children.length) return this.icon.empty;
		return n.isOpen ? this.icon.nlMinus : this.icon.nlPlus;
	}
	if (n.children.length) {
		if (n.isOpen) return n.isLast ? this.icon.minusBottom : this.icon.minus;
		return n.isLast ? this.icon.plusBottom : this.icon.plus;
	}
	return n.isLast ? this.icon.joinBottom : this.icon.join;
};

dTree.prototype.image = function (src, id) {
	return '<img' + (id ? ' id="' + id + '"' : '') + ' src="' + src + '" alt="" />';
};

// indent: one entry per ancestor below the root level, true when that
// ancestor was the last of its siblings (no line continues beside it).
dTree.prototype.renderNode = function (n, indent, topLevel) {
	var o = this.obj;
	var i = n.index;
	var html = '<div class="dTreeNode" id="' + o + '_n' + i + '">';
	var k;
	for (k = 0; k < indent.length; k++) {
		html += this.image(indent[k] || !this.config.useLines ? this.icon.empty : this.icon.line);
	}
	if (!topLevel) {
		var join = this.image(this.joinIcon(n), o + '_j' + i);
		if (n.children.length) {
			html += '<a class="toggle" href="#" onclick="' + o + '.o(' + i + '); return false;">' + join + '</a>';
		} else {
			html += join;
		}
	}
	if (this.config.useIcons) html += this.image(this.nodeIcon(n), o + '_i' + i);
	var label = n.name;
	if (n.url) {
		var target = n.target || this.config.target;
		html += '<a id="' + o + '_a' + i + '" class="' + (i === this.selected ? 'nodeSel' : 'node') + '"' +
			' href="' + this.escapeAttr(n.url) + '"' +
			(n.title ? ' title="' + this.escapeAttr(n.title) + '"' : '') +
			(target ? ' target="' + this.escapeAttr(target) + '"' : '') +
			(this.config.useSelection ? ' onclick="' + o + '.s(' + i + ');"' : '') + '>' + label + '</a>';
	} else if (n.children.length && this.config.folderLinks && !topLevel) {
		html += '<a id="' + o + '_a' + i + '" class="node" href="#" onclick="' + o + '.o(' + i +
			'); return false;">' + label + '</a>';
	} else {
		html += '<span id="' + o + '_a' + i + '" class="label">' + label + '</span>';
	}
	html += '</div>';
	if (n.children.length) {
		var childIndent = topLevel ? indent : indent.concat([n.isLast]);
		var shown = n.isOpen || topLevel;
		html += '<div class="clip" id="' + o + '_c' + i + '" style="display:' + (shown ? 'block' : 'none') + ';">';
		for (k = 0; k < n.children.length; k++) html += this.renderNode(n.children[k], childIndent, false);
		html += '</div>';
	}
	return html;
};

dTree.prototype.toString = function () {
	if (!this.built) this.link();
	var html = '<div class="dtree">\n';
	for (var k = 0; k < this.roots.length; k++) {
		var r = this.roots[k];
		var isTreeRoot = String(r.pid) === '-1';
		if (isTreeRoot) r.isOpen = true;
		html += this.renderNode(r, [], isTreeRoot);
	}
	html += '</div>';
	return html;
};

dTree.prototype.element = function (kind, i) {
	return document.getElementById(this.obj + '_' + kind + i);
};

// Shows the node's open or closed state in the page.
dTree.prototype.refresh = function (n) {
	var i = n.index;
	var clip = this.element('c', i);
	if (clip && n.parent !== null) clip.style.display = n.isOpen ? 'block' : 'none';
	var join = this.element('j', i);
	if (join) join.src = this.joinIcon(n);
	var icon = this.element('i', i);
	if (icon) icon.src = this.nodeIcon(n);
};

// Toggles node `i` (its position in the order of add).
dTree.prototype.o = function (i) {
	var n = this.nodes[i];
	if (!n || !n.children.length) return;
	n.isOpen = !n.isOpen;
	this.refresh(n);
};

// Marks node `i` as the selected one.
dTree.prototype.s = function (i) {
	if (!this.config.useSelection) return;
	var old = this.selected >= 0 ? this.element('a', this.selected) : null;
	if (old && old.className === 'nodeSel') old.className = 'node';
	var now = this.element('a', i);
	if (now && now.className === 'node') now.className = 'nodeSel';
	this.selected = i;
};

dTree.prototype.setAll = function (open) {
	if (!this.built) this.link();
	for (var i = 0; i < this.nodes.length; i++) {
		var n = this.nodes[i];
		if (!n.children.length || n.parent === null) continue;
		n.isOpen = open;
		this.refresh(n);
	}
};

dTree.prototype.openAll = function () {
	this.setAll(true);
};

dTree.prototype.closeAll = function () {
	this.setAll(false);
};

// Opens every ancestor of the node with id `id` and, with select, selects it.
dTree.prototype.openTo = function (id, select) {
	if (!this.built) this.link();
	for (var i = 0; i < this.nodes.length; i++) {
		if (String(this.nodes[i].id) !== String(id)) continue;
		for (var p = this.nodes[i].parent; p !== null; p = p.parent) {
			if (p.parent !== null && !p.isOpen) {
				p.isOpen = true;
				this.refresh(p);
			}
		}
		if (select) this.s(i);
		return;
	}
};
