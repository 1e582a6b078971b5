#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// Judges a fab package the way a board house's upload page would: names
// every file's layer type and side by its name alone, parses every Gerber
// file with a reader of the current grammar, and renders the board's top and
// bottom from the files. Prints one JSON object; the pictures are written as
// top.svg and bottom.svg into the folder given first.
'use strict'

const fs = require('fs')
const path = require('path')
const whatsThatGerber = require('whats-that-gerber')
const { parseGerber } = require('gerbis')
const pcbStackup = require('pcb-stackup')

async function main() {
  const [outDir, ...files] = process.argv.slice(2)
  if (!outDir || files.length === 0) {
    console.error('usage: check-package.js OUTDIR FILE...')
    process.exit(2)
  }
  const names = files.map(f => path.basename(f))
  const identified = whatsThatGerber(names)
  const result = { identified, grammar: {}, layers: [], top: null, bottom: null, error: null }
  for (const f of files) {
    const name = path.basename(f)
    if (!/\.(gtl|gbl|gts|gbs|gto|gbo|gko|gbr)$/i.test(name)) continue
    try {
      // The format lets CR and LF stand between any two words; this grammar
      // only knows LF, so the CRs are taken out first.
      const text = fs.readFileSync(f, 'latin1').replace(/\r/g, '')
      result.grammar[name] = { commands: parseGerber(text).length, error: null }
    } catch (e) {
      result.grammar[name] = { commands: 0, error: String(e && e.message ? e.message : e).slice(0, 300) }
    }
  }
  try {
    const layers = files
      .filter(f => identified[path.basename(f)] && identified[path.basename(f)].type)
      .map(f => ({ filename: path.basename(f), gerber: fs.readFileSync(f, 'latin1') }))
    const stackup = await pcbStackup(layers)
    result.layers = stackup.layers.map(l => ({ filename: l.filename, type: l.type, side: l.side }))
    for (const side of ['top', 'bottom']) {
      const svg = stackup[side].svg
      fs.writeFileSync(path.join(outDir, side + '.svg'), svg)
      result[side] = { bytes: svg.length, width: stackup[side].width, height: stackup[side].height }
    }
  } catch (e) {
    result.error = String(e && e.message ? e.message : e)
  }
  console.log(JSON.stringify(result))
}

main()
