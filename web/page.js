// The page's side of its front end (web/FenetrePage.cpp decides everything):
// a handful of element operations the C++ calls, and the event wiring, which
// turns each event into one call of an exported function (page_*, web/page.cpp).
// Every text from the program, a file or the address goes in as text
// (textContent, value), never as markup. Written for emscripten's own
// minifier, which knows no optional chaining. Its state and helpers are
// entries of their own (`$name`, in the `__deps` of each entry that uses
// them), whose names terser shortens as it does no object's properties.
mergeInto(LibraryManager.library, {
  $minuterie: 0,
  $pointeur: { x: 0, y: 0 },
  $auDoigt: false,          // the last pointer on the orbit view was a finger
  $appui: 0,                // the timer of a finger held still: a press
  $espaceSurOption: null,   // a radio on which Space went down and no click came yet
  // Settings.
  $Page: {
    dureeAppui: 500,
    cleGardee: 'orbeline-situation',   // the situation in the tab's session storage
  },

  // Leaving a page with launches on it: the browser asks first.
  $avertit: function (e) {
    e.preventDefault();
    e.returnValue = '';
  },

  $el: function (id, l) { return document.getElementById(UTF8ToString(id, l)); },

  // A string into buf (cap bytes) as UTF-8; returns its length in bytes, which
  // the caller compares with cap to know whether to ask again. A lone UTF-16
  // surrogate (a field can hold one) becomes U+FFFD, as TextEncoder writes it,
  // and takes nothing after it with it.
  $ecrit: function (s, buf, cap) {
    const octets = new TextEncoder().encode(s);
    if (octets.length < cap) {
      HEAPU8.set(octets, buf);
      HEAPU8[buf + octets.length] = 0;
    }
    return octets.length;
  },

  // A text handed to the program: its UTF-8 bytes in the program's buffer.
  $envoie: function (octets) {
    const p = _page_tampon(octets.length);
    HEAPU8.set(octets, p);   // read after the call: the memory may have grown
    return octets.length;
  },

  // The portable text of a key ("Ctrl+Shift+C", "F1"), as the menu table writes shortcuts.
  $raccourci: function (e) {
    if (['Control', 'Shift', 'Alt', 'Meta'].includes(e.key)) return '';
    const fleches = { ArrowLeft: 'Left', ArrowRight: 'Right', ArrowUp: 'Up', ArrowDown: 'Down' };
    const touche = e.key.length === 1 ? e.key.toUpperCase() : fleches[e.key] || e.key;
    return (e.ctrlKey || e.metaKey ? 'Ctrl+' : '') + (e.shiftKey ? 'Shift+' : '') + (e.altKey ? 'Alt+' : '') + touche;
  },

  // Menus: a button opens its list; Escape, a click elsewhere or an entry closes it.
  $fermeMenus: function (saufBouton) {
    for (const b of document.querySelectorAll('#menus button[aria-expanded="true"]')) {
      if (b === saufBouton) continue;
      b.setAttribute('aria-expanded', 'false');
      document.getElementById(b.getAttribute('aria-controls')).hidden = true;
    }
  },

  $relieMenus__deps: ['$envoie', '$raccourci', '$fermeMenus'],
  $relieMenus: function () {
    const barre = document.getElementById('menus');
    barre.addEventListener('click', function (e) {
      const b = e.target.closest('button');
      if (!b) return;
      if (b.dataset.action !== undefined || b.dataset.langue !== undefined) {
        fermeMenus(null);
        if (b.dataset.action !== undefined) _page_menu(+b.dataset.action);
        else _page_langue(+b.dataset.langue);
        return;
      }
      const ouvert = b.getAttribute('aria-expanded') === 'true';
      fermeMenus(b);
      b.setAttribute('aria-expanded', String(!ouvert));
      const liste = document.getElementById(b.getAttribute('aria-controls'));
      liste.hidden = ouvert;
      const premier = liste.querySelector('button:not([disabled])');
      if (!ouvert && premier) premier.focus();
    });
    barre.addEventListener('keydown', function (e) {
      const liste = e.target.closest('ul[id]');
      if (e.key === 'Escape' && liste) {
        fermeMenus(null);
        document.querySelector('[aria-controls="' + liste.id + '"]').focus();
        e.preventDefault();
      } else if (liste && e.key.length === 1 && !e.ctrlKey && !e.altKey && !e.metaKey) {
        for (const b of liste.querySelectorAll('button[data-lettre]'))
          if (!b.disabled && b.dataset.lettre.toLowerCase() === e.key.toLowerCase()) {
            e.preventDefault();
            b.click();
            break;
          }
      } else if ((e.key === 'ArrowDown' || e.key === 'ArrowUp') && liste) {
        const b = [...liste.querySelectorAll('button:not([disabled])')];
        const i = b.indexOf(e.target) + (e.key === 'ArrowDown' ? 1 : -1);
        if (b.length) b[(i + b.length) % b.length].focus();
        e.preventDefault();
      }
    });
    document.addEventListener('pointerdown', function (e) { if (!e.target.closest('#menus')) fermeMenus(null); });
    barre.addEventListener('focusout', function (e) { if (!barre.contains(e.relatedTarget)) fermeMenus(null); });
    // Keys the page does not take itself go to the program when the window
    // is up and no dialog is open: the entries' shortcuts, and Enter in a
    // field, an option or a box of the client area (a button takes it itself).
    document.addEventListener('keydown', function (e) {
      const fenetre = document.getElementById('fenetre');
      if (!fenetre || fenetre.hidden || document.querySelector('dialog[open]') || e.isComposing) return;
      const combinaison = raccourci(e);
      if (!combinaison) return;
      const t = e.target, client = document.getElementById('client');
      if (combinaison === 'Enter' && !(t.tagName === 'INPUT' && client.contains(t))) return;
      // An option group's selection keeps its arrows, as on the desktop.
      if (['Left', 'Right', 'Up', 'Down'].includes(combinaison) && t.type === 'radio') return;
      const ligne = t.tagName === 'BUTTON' && client.contains(t) && t.dataset.ligne ? +t.dataset.ligne : -1;
      if (_page_touche(envoie(new TextEncoder().encode(combinaison)), ligne)) e.preventDefault();
    });
  },

  // The client area's events, each as one call naming the control by its
  // row of the layout table (data-ligne), which the program reads its role from.
  $relieClient__deps: ['$pointeur', '$auDoigt', '$appui', '$espaceSurOption', '$Page'],
  $relieClient: function () {
    const client = document.getElementById('client');
    client.addEventListener('input', function (e) {
      if (e.target.tagName === 'INPUT' && e.target.type === 'text') _page_champ(+e.target.dataset.ligne);
    });
    client.addEventListener('click', function (e) {
      const t = e.target;
      if (t.tagName === 'BUTTON' && t.dataset.ligne) _page_commande(+t.dataset.ligne);
      else if (t.type === 'radio') {
        espaceSurOption = null;
        _page_option(+t.dataset.ligne, 1);
      }
    });
    client.addEventListener('change', function (e) {
      const t = e.target;
      // The click before it has usually said it; a change alone (another route) says it now.
      if (t.type === 'radio') _page_option(+t.dataset.ligne, 0);
      else if (t.type === 'checkbox') _page_case(+t.dataset.ligne);
    });
    client.addEventListener('keydown', function (e) {
      const t = e.target;
      if (e.key === ' ' && t.type === 'radio') espaceSurOption = t;
    });
    client.addEventListener('keyup', function (e) {
      // Space on the selected option is a click for the pupil; the browser sends none.
      if (e.key === ' ' && espaceSurOption === e.target) {
        espaceSurOption = null;
        _page_option(+e.target.dataset.ligne, 1);
      }
    });
    // In the drawing's pixels, whatever size the area is shown at.
    const position = function (e) {
      const c = e.target.closest('[data-souris]').firstChild, r = c.getBoundingClientRect();
      return [(e.clientX - r.left) * c.offsetWidth / r.width, (e.clientY - r.top) * c.offsetHeight / r.height];
    };
    const etat = function (e) { return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0); };
    // A finger (the first one down) says where it lands, slides, lifts, or
    // that the browser took it; the program decides what that does.
    const doigt = function (e, geste) {
      if (e.pointerType !== 'touch') return false;
      if (e.isPrimary && e.target.closest('[data-souris]')) {
        auDoigt = true;
        pointeur = { x: e.clientX, y: e.clientY };
        const [x, y] = geste === 3 ? [0, 0] : position(e);
        _page_doigt(geste, x, y);
        // Down a moment more, it is a press there; the program decides what that does (a slide, nothing).
        if (geste !== 1) clearTimeout(appui);
        if (geste === 0) appui = setTimeout(function () { _page_doigt(4, x, y); }, Page.dureeAppui);
      }
      return true;
    };
    client.addEventListener('pointerdown', function (e) {
      if (!e.target.closest('[data-souris]') || doigt(e, 0)) return;
      const [x, y] = position(e);
      _page_souris([1, 4, 2][e.button] || 1, etat(e), x, y);
    });
    client.addEventListener('pointermove', function (e) {
      if (!e.target.closest('[data-souris]') || doigt(e, 1)) return;
      auDoigt = false;
      pointeur = { x: e.clientX, y: e.clientY };
      const [x, y] = position(e);
      _page_deplacement(e.buttons, etat(e), x, y);
    });
    // A chart answers the pointer with its tooltip (t and the values there), and a finger lifted off it.
    const graphe = function (e) {
      const g = e.target.closest('[data-graphe]');
      if (!g) return;
      pointeur = { x: e.clientX, y: e.clientY };
      const r = g.firstChild.getBoundingClientRect();
      _page_graphe(+g.dataset.graphe, e.clientX - r.left, e.clientY - r.top);
    };
    client.addEventListener('pointermove', graphe);
    client.addEventListener('pointerup', function (e) {
      if (!doigt(e, 2)) return;
      auDoigt = true;
      graphe(e);
    });
    client.addEventListener('pointercancel', function (e) { doigt(e, 3); });
    client.addEventListener('pointerout', function (e) {
      if (e.pointerType === 'touch') return;   // a finger's tooltip stays after the lift
      const zone = '[data-souris], [data-graphe]';
      const de = e.target.closest(zone);
      const vers = e.relatedTarget && e.relatedTarget.closest ? e.relatedTarget.closest(zone) : null;
      if (de && vers !== de)
        document.getElementById('bulle').hidden = true;
    });
    // It goes when a finger touches anything else; a long press opens no menu.
    document.addEventListener('pointerdown', function (e) {
      if (e.pointerType === 'touch' && !(e.target.closest && e.target.closest('[data-souris]')))
        document.getElementById('bulle').hidden = true;
    });
    client.addEventListener('contextmenu', function (e) {
      if (auDoigt && e.target.closest('[data-souris]')) e.preventDefault();
    });
  },

  // The start screen: "Suite", any key on it but those that move the focus,
  // or a press on the window's or the frame's own background.
  $relieAccueil: function () {
    const accueil = document.getElementById('accueil');
    accueil.addEventListener('click', function (e) { if (e.target.dataset.suite !== undefined) _page_continuer(); });
    accueil.addEventListener('keydown', function (e) {
      if (e.target.dataset.suite === undefined || e.key === 'Tab') return;
      e.preventDefault();
      _page_continuer();
    });
    accueil.addEventListener('pointerdown', function (e) {
      if (e.target === accueil || e.target.dataset.fond !== undefined) _page_continuer();
    });
  },

  // ---- Elements ------------------------------------------------------------

  orbeline_dom_cree__deps: ['$el'],
  orbeline_dom_cree: function (balise, lB, id, lId, parent, lP) {
    const e = document.createElement(UTF8ToString(balise, lB));
    if (lId) e.id = UTF8ToString(id, lId);
    el(parent, lP).append(e);
  },
  orbeline_dom_attribut__deps: ['$el'],
  orbeline_dom_attribut: function (id, lId, nom, lNom, valeur, lV) {
    el(id, lId).setAttribute(UTF8ToString(nom, lNom), UTF8ToString(valeur, lV));
  },
  orbeline_dom_style__deps: ['$el'],
  orbeline_dom_style: function (id, lId, nom, lNom, valeur, lV) {
    el(id, lId).style.setProperty(UTF8ToString(nom, lNom), UTF8ToString(valeur, lV));
  },
  orbeline_dom_texte__deps: ['$el'],
  orbeline_dom_texte: function (id, lId, t, l, ajoute) {
    const e = el(id, lId), s = UTF8ToString(t, l);
    if (ajoute) e.append(s);
    else if (e.firstElementChild || e.textContent !== s) e.textContent = s;   // the same text: nothing to lay out again
  },
  // Writes a field's text; the caret keeps its distance from the end, where
  // a typist's eye is when the program rewrites what was typed.
  orbeline_dom_vide__deps: ['$el'],
  orbeline_dom_vide: function (id, lId) { el(id, lId).replaceChildren(); },
  orbeline_dom_ecrit_valeur__deps: ['$el'],
  orbeline_dom_ecrit_valeur: function (id, lId, t, l) {
    const e = el(id, lId), actif = document.activeElement === e;
    const depuisFin = actif ? e.value.length - e.selectionStart : 0;
    e.value = UTF8ToString(t, l);
    if (actif) {
      const p = Math.max(0, e.value.length - depuisFin);
      e.setSelectionRange(p, p);
    }
  },
  // The viewport (without its scroll bars) and whether a finger is the main pointer.
  orbeline_dom_ecran: function (m) {
    const e = document.documentElement;
    HEAPF64[m >> 3] = e.clientWidth;
    HEAPF64[(m >> 3) + 1] = e.clientHeight;
    HEAPF64[(m >> 3) + 2] = matchMedia('(pointer: coarse)').matches ? 1 : 0;
  },
  // A field's text into buf (`ecrit`).
  orbeline_dom_valeur__deps: ['$el', '$ecrit'],
  orbeline_dom_valeur: function (id, lId, buf, cap) {
    const e = el(id, lId);
    return ecrit('value' in e ? e.value : e.textContent, buf, cap);
  },
  orbeline_dom_adresse__deps: ['$ecrit'],
  orbeline_dom_adresse: function (buf, cap) { return ecrit(location.search, buf, cap); },
  // Storage can be refused (a browser setting): then nothing was kept.
  orbeline_dom_gardee__deps: ['$Page', '$ecrit'],
  orbeline_dom_gardee: function (buf, cap) {
    let s = '';
    try { s = sessionStorage.getItem(Page.cleGardee) || ''; } catch (e) { s = ''; }
    return ecrit(s, buf, cap);
  },
  orbeline_dom_retour: function () {
    const n = performance.getEntriesByType('navigation')[0];
    return n && (n.type === 'reload' || n.type === 'back_forward') ? 1 : 0;
  },
  // The launches' table (FenetrePage::ecritLancements): its lines of fields, each cell's text as text.
  orbeline_page_tableau__deps: ['$el'],
  orbeline_page_tableau: function (id, lId, t, l) {
    const lignes = UTF8ToString(t, l).split('\n'), table = document.createElement('table'), notes = [];
    const tete = table.createTHead().insertRow(), h = lignes[0].split('\t');
    tete.append(document.createElement('td'));
    for (let i = 0; i + 1 < h.length; i += 2) {
      const th = document.createElement('th');
      th.scope = 'col';
      th.append(h[i]);
      if (h[i + 1]) th.append(document.createElement('br'), h[i + 1]);
      tete.append(th);
    }
    const corps = table.createTBody();
    for (const ligne of lignes.slice(1)) {
      const c = ligne.split('\t');
      if (!c[0]) {
        notes.push(document.createElement('p'));
        notes[notes.length - 1].textContent = c[1];
        continue;
      }
      const tr = corps.insertRow(), th = document.createElement('th'), pastille = document.createElement('span');
      if (c[1]) tr.className = 'pointe';
      th.scope = 'row';
      th.setAttribute('aria-label', c[2]);
      th.title = c[3];
      pastille.style.background = c[0];
      th.append(pastille, c[4]);
      tr.append(th);
      for (const v of c.slice(5)) tr.insertCell().textContent = v;
    }
    el(id, lId).replaceChildren(table, ...notes);
  },

  // 0 or 1 to set, -1 to read.
  orbeline_dom_coche__deps: ['$el'],
  orbeline_dom_coche: function (id, lId, v) {
    const e = el(id, lId);
    if (v >= 0) e.checked = !!v;
    return e.checked ? 1 : 0;
  },
  orbeline_dom_montre__deps: ['$el'],
  orbeline_dom_montre: function (id, lId, v) {
    const e = el(id, lId);
    if (v >= 0) e.hidden = !v;
    return e.hidden ? 0 : 1;
  },
  orbeline_dom_hauteur_texte__deps: ['$el'],
  orbeline_dom_hauteur_texte: function (id, lId) {
    const e = el(id, lId), h = e.style.height;
    e.style.height = 'auto';
    const r = e.textContent ? e.scrollHeight : 0;
    e.style.height = h;
    return r;
  },
  orbeline_dom_active__deps: ['$el'],
  orbeline_dom_active: function (id, lId, v) { el(id, lId).disabled = !v; },
  orbeline_dom_focus__deps: ['$el'],
  orbeline_dom_focus: function (id, lId) { el(id, lId).focus(); },
  orbeline_dom_titre: function (t, l) { document.title = UTF8ToString(t, l); },
  orbeline_dom_langue: function (t, l) { document.documentElement.lang = UTF8ToString(t, l); },

  orbeline_dom_image__deps: ['$el'],
  orbeline_dom_image: function (id, lId, type, lType, octets, l) {
    const blob = new Blob([HEAPU8.slice(octets, octets + l)], { type: UTF8ToString(type, lType) });
    el(id, lId).src = URL.createObjectURL(blob);
  },

  // The decimal separator of a language ("" for the browser's); French for a
  // tag the number formats refuse ("C", the language of a system without one).
  // Written by `ecrit`, as every other text the program reads: emscripten's
  // own encoder would come into the page for this one call (a separator is
  // a character or two, well within the buffer).
  orbeline_dom_separateur__deps: ['$ecrit'],
  orbeline_dom_separateur: function (tag, lTag, buf, cap) {
    let p = null;
    try {
      p = new Intl.NumberFormat(lTag ? UTF8ToString(tag, lTag) : navigator.language).formatToParts(1.5)
        .find(function (x) { return x.type === 'decimal'; });
    } catch (e) {
      p = new Intl.NumberFormat('fr').formatToParts(1.5).find(function (x) { return x.type === 'decimal'; });
    }
    ecrit(p ? p.value : '.', buf, cap);
  },
  // The browser's languages, most wanted first, separated by commas.
  orbeline_dom_langues__deps: ['$ecrit'],
  orbeline_dom_langues: function (buf, cap) {
    return ecrit((navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || '']).join(','), buf, cap);
  },

  // ---- Events ----------------------------------------------------------------

  orbeline_page_relie__deps: ['$relieMenus', '$relieClient', '$relieAccueil'],
  orbeline_page_relie: function () {
    relieAccueil();
    relieClient();
    relieMenus();
    // The arrangement follows the viewport and the kind of pointer, once they have settled, and the
    // page's width, which a scroll bar that comes with a long arrangement takes from (no resize then).
    let attente = 0;
    const agence = function () {
      clearTimeout(attente);
      attente = setTimeout(function () { _page_agence(); }, 100);
    };
    addEventListener('resize', agence);
    new ResizeObserver(agence).observe(document.documentElement);
    matchMedia('(pointer: coarse)').addEventListener('change', agence);
    // A ready-made situation, or another file: the dialog goes first.
    const situations = document.getElementById('situations');
    situations.addEventListener('click', function (e) {
      const b = e.target.closest('button[data-situation]');
      if (!b) return;
      situations.close();
      _page_situation(+b.dataset.situation);
    });
    addEventListener('beforeprint', function () { _page_avant_impression(); });
    addEventListener('afterprint', function () { _page_apres_impression(); });
    document.dispatchEvent(new Event('orbeline-pret'));
  },

  orbeline_page_minuterie__deps: ['$minuterie'],
  orbeline_page_minuterie: function (ms) {
    clearTimeout(minuterie);
    minuterie = setTimeout(function () { minuterie = 0; _page_etape(); }, ms);
  },

  // The tooltip by the pointer on the orbit view ("" hides it).
  orbeline_page_bulle__deps: ['$pointeur', '$auDoigt'],
  orbeline_page_bulle: function (t, l) {
    const b = document.getElementById('bulle');
    b.textContent = UTF8ToString(t, l);
    b.hidden = l === 0;
    if (!l) return;
    let x = Math.min(pointeur.x + 12, innerWidth - b.offsetWidth - 2);
    let y = pointeur.y + 20 + b.offsetHeight > innerHeight ? pointeur.y - 8 - b.offsetHeight : pointeur.y + 20;
    if (auDoigt) {
      // Above the finger, clear of it; under it near the top.
      x = Math.min(pointeur.x - b.offsetWidth / 2, innerWidth - b.offsetWidth - 2);
      y = pointeur.y - 40 - b.offsetHeight;
      if (y < 0) y = pointeur.y + 40;
    }
    b.style.left = Math.max(0, x) + 'px';
    b.style.top = Math.max(0, y) + 'px';
  },

  orbeline_page_montre_fenetre: function () {
    document.getElementById('accueil').hidden = true;
    document.getElementById('fenetre').hidden = false;
    scrollTo(0, 0);   // from its top, wherever the start screen was scrolled to
  },

  // The situation for a reload; `travail`: launches on the page that leaving would lose.
  orbeline_page_garde__deps: ['$Page', '$avertit'],
  orbeline_page_garde: function (t, l, travail) {
    try { sessionStorage.setItem(Page.cleGardee, UTF8ToString(t, l)); } catch (e) { /* nothing kept */ }
    if (travail) addEventListener('beforeunload', avertit);
    else removeEventListener('beforeunload', avertit);
  },

  // The program ends: a reload starts it again from its start screen.
  orbeline_page_quitte__deps: ['$minuterie', '$Page', '$avertit'],
  orbeline_page_quitte: function () {
    try { sessionStorage.removeItem(Page.cleGardee); } catch (e) { /* nothing kept */ }
    removeEventListener('beforeunload', avertit);
    clearTimeout(minuterie);
    document.getElementById('fenetre').remove();
    document.getElementById('fin').hidden = false;
    window.close();   // allowed only for a tab a script opened
  },

  // ---- Files, clipboard, picture, printing, dialogs ------------------------------

  orbeline_page_telecharge: function (nom, lNom, type, lType, donnees, l) {
    const blob = new Blob([HEAPU8.slice(donnees, donnees + l)], { type: UTF8ToString(type, lType) });
    const a = document.createElement('a');
    a.href = URL.createObjectURL(blob);
    a.download = UTF8ToString(nom, lNom);
    a.click();
    setTimeout(function () { URL.revokeObjectURL(a.href); }, 60000);
  },

  orbeline_page_copie: function (t, l, lien) {
    let s = UTF8ToString(t, l);
    if (lien) s = location.href.split(/[?#]/)[0] + '?' + s;
    // The clipboard interface needs a secure page (file://, https, localhost);
    // elsewhere the older copy command may still do it.
    const ancienne = function () {
      const zone = document.createElement('textarea');
      zone.value = s;
      zone.setAttribute('readonly', '');
      zone.style.position = 'fixed';
      zone.style.opacity = '0';
      document.body.append(zone);
      zone.select();
      let ok = false;
      try { ok = document.execCommand('copy'); } catch (e) { ok = false; }
      zone.remove();
      if (!ok) _page_copie_refusee();
    };
    if (navigator.clipboard) navigator.clipboard.writeText(s).catch(ancienne);
    else ancienne();
  },

  // The pupil picks a situation file; at most `limite` bytes of it are read
  // (a larger file is not a situation, and the program says so).
  orbeline_page_choisit_fichier__deps: ['$envoie'],
  orbeline_page_choisit_fichier: function (limite) {
    const entree = document.getElementById('fichier');
    entree.onchange = function () {
      const f = entree.files[0];
      entree.value = '';
      if (!f) return;
      f.slice(0, limite).arrayBuffer().then(function (b) {
        _page_fichier(envoie(new Uint8Array(b)));
      }, function () { _page_fichier(-1); });
    };
    entree.click();
  },

  // The picture: the named elements that are shown, at their places in the
  // client area, at the screen's pixel ratio, as a PNG download.
  orbeline_page_image__deps: ['$surfaces', '$peintDessus'],
  orbeline_page_image: function (ids, l, nom, lNom) {
    const nomFichier = UTF8ToString(nom, lNom);
    const client = document.getElementById('client'), d = window.devicePixelRatio || 1;
    const c = document.createElement('canvas');
    c.width = Math.ceil(client.offsetWidth * d);
    c.height = Math.ceil(client.offsetHeight * d);
    const ctx = c.getContext('2d');
    ctx.scale(d, d);
    ctx.fillStyle = getComputedStyle(document.body).backgroundColor;
    ctx.fillRect(0, 0, client.offsetWidth, client.offsetHeight);
    for (const s of surfaces) if (s && s.prevu) peintDessus(s);
    const base = client.getBoundingClientRect();
    for (const id of UTF8ToString(ids, l).split(',')) {
      const e = document.getElementById(id);
      if (!e || e.hidden) continue;
      const r = e.getBoundingClientRect(), x = r.left - base.left, y = r.top - base.top;
      const canevas = e.querySelectorAll('canvas');
      if (canevas.length) {
        ctx.fillStyle = '#808080';
        ctx.fillRect(x, y, r.width, r.height);
        for (const cv of canevas) {
          const q = cv.getBoundingClientRect();   // the area may be shown larger or smaller
          ctx.drawImage(cv, q.left - base.left, q.top - base.top, q.width, q.height);
        }
      } else if (e.classList.contains('case')) {
        // A check box: its mark, then its caption.
        const cs = getComputedStyle(e), b = e.querySelector('input').getBoundingClientRect();
        ctx.strokeStyle = '#000000';
        ctx.strokeRect(b.left - base.left + 0.5, b.top - base.top + 0.5, b.width - 1, b.height - 1);
        if (e.querySelector('input').checked) ctx.fillRect(b.left - base.left + 3, b.top - base.top + 3, b.width - 6, b.height - 6);
        ctx.font = cs.font;
        ctx.fillStyle = cs.color;
        ctx.textBaseline = 'middle';
        ctx.fillText(e.textContent, b.right - base.left + 3, y + r.height / 2);
      } else if (e.textContent) {
        const cs = getComputedStyle(e), h = parseFloat(cs.fontSize) * 1.15;
        ctx.font = cs.font;
        ctx.fillStyle = cs.color;
        ctx.textBaseline = 'top';
        if (!e.classList.contains('haut')) {
          ctx.fillText(e.textContent, x, y + (r.height - h) / 2);
          continue;
        }
        // A label of several lines (the legend): its lines, each wrapped to its width.
        let ligne = y;
        for (const paragraphe of e.textContent.split('\n')) {
          let texte = '';
          for (const mot of paragraphe.split(' ')) {
            const essai = texte ? texte + ' ' + mot : mot;
            if (texte && ctx.measureText(essai).width > r.width) {
              ctx.fillText(texte, x, ligne);
              ligne += h;
              texte = mot;
            } else texte = essai;
          }
          ctx.fillText(texte, x, ligne);
          ligne += h;
        }
      }
    }
    c.toBlob(function (png) {
      const a = document.createElement('a');
      a.href = URL.createObjectURL(png);
      a.download = nomFichier;
      a.click();
      setTimeout(function () { URL.revokeObjectURL(a.href); }, 60000);
    }, 'image/png');
  },

  // Every way of printing (the menu entry, the browser's own menu, Ctrl+P)
  // goes through beforeprint, where the program lays out the sheet.
  orbeline_page_imprime: function () { window.print(); },

  // The guide: HTML of the program's own catalogue, parsed (no script runs in a
  // parsed document) and moved into the dialog.
  orbeline_page_html__deps: ['$el'],
  orbeline_page_html: function (id, lId, html, l) {
    const doc = new DOMParser().parseFromString(UTF8ToString(html, l), 'text/html');
    el(id, lId).replaceChildren(...doc.body.childNodes);
  },

  orbeline_page_dialogue__deps: ['$el'],
  orbeline_page_dialogue: function (id, lId) {
    const d = el(id, lId);
    if (!d.open) d.showModal();
    d.scrollTop = 0;   // a long text from its beginning, whatever took the focus
  },
});
