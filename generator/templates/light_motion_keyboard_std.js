function cm_message(element){
	while(element&&!(element.id&&/^d[0-9]+$/.test(element.id))){
		element=element.parentNode;
	}
	return element?Number(element.id.substring(1)):null;
}
function cm_parked(element){
	var index=cm_message(element),page;
	if(index===null||!cm_plan||cm_still()){
		return false;
	}
	page=cm_pageAt(cm_motion()).page;
	return index<page.from||index>page.to;
}
function cm_focusable(){
	var found=document.querySelectorAll("a[href],button,input,select,textarea,[tabindex]"),list=[],i;
	for(i=0;i<found.length;i++){
		if(found[i].tabIndex>=0){
			list.push(found[i]);
		}
	}
	return list;
}
function cm_nextShown(from,step){
	var list=cm_focusable(),i;
	for(i=list.indexOf(from)+step;i>=0&&i<list.length;i+=step){
		if(!cm_parked(list[i])){
			return list[i];
		}
	}
	return null;
}
function cm_skipParked(event){
	var from=event.target,next;
	if(!cm_parked(from)){
		return;
	}
	event.stopImmediatePropagation();
	next=cm_nextShown(from,cm_backwards?-1:1);
	Promise.resolve().then(function(){
		if(next){
			next.focus();
		}else{
			from.blur();
		}
	});
}
function cm_markParked(){
	var list=cm_focusable().concat(cm_marked),marked=[],i,element;
	for(i=0;i<list.length;i++){
		element=list[i];
		if(cm_parked(element)&&marked.indexOf(element)<0){
			if(element.cm_tabIndex===undefined){
				element.cm_tabIndex=element.getAttribute("tabindex");
				element.tabIndex=-1;
			}
			marked.push(element);
		}else if(!cm_parked(element)&&element.cm_tabIndex!==undefined){
			if(element.cm_tabIndex===null){
				element.removeAttribute("tabindex");
			}else{
				element.setAttribute("tabindex",element.cm_tabIndex);
			}
			element.cm_tabIndex=undefined;
		}
	}
	cm_marked=marked;
}
function cm_skipParkedPages(){
	document.addEventListener("keydown",function(event){
		if(event.key=="Tab"){
			cm_backwards=event.shiftKey;
			cm_markParked();
		}
	},true);
	document.addEventListener("focusin",cm_skipParked,true);
}
